#!/usr/bin/env sh
# The guide's code is the example's: each code block of docs/guide.md that follows
# a line "<!-- from PATH: NAME -->" holds the lines of PATH (from the source root)
# between the markers "guide: NAME" and "guide: end". This check regenerates the
# guide's blocks from the examples and fails, showing the difference, when the
# guide differs; it also fails when an example has a region the guide never shows.
#   check_guide.sh SOURCE_DIR            check
#   check_guide.sh SOURCE_DIR --update   rewrite the guide's blocks from the examples
set -eu
root=$1 mode=${2:-check}
guide=$root/docs/guide.md
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT

awk -v root="$root" '
  function region(path, name,   file, line, inside, found, text) {
    file = root "/" path
    text = ""; inside = 0; found = 0
    while ((getline line < file) > 0) {
      if (inside && line ~ /(\/\/|#) guide: end$/) { inside = 0; continue }
      if (inside) text = text line "\n"
      if (line ~ ("(//|#) guide: " name "$")) { inside = 1; found = 1 }
    }
    close(file)
    if (!found) { printf "%s: no region \"%s\" in %s\n", FILENAME, name, path > "/dev/stderr"; failed = 1 }
    return text
  }
  skipping && /^```$/ { skipping = 0; print; next }
  skipping { next }
  pending && /^```/ { print; printf "%s", region(path, name); skipping = 1; pending = 0; next }
  pending { printf "%s:%d: a code block must follow the marker\n", FILENAME, FNR > "/dev/stderr"; failed = 1; pending = 0 }
  match($0, /^<!-- from [^:]+: [a-z-]+ -->$/) {
    marker = substr($0, 11, length($0) - 14)
    path = substr(marker, 1, index(marker, ":") - 1)
    name = substr(marker, index(marker, ":") + 2)
    pending = 1
  }
  { print }
  END { exit failed }
' "$guide" >"$fresh"

# Every region of the guide's example programs appears in the guide.
missing=
for source in "$root"/examples/guide/*; do
  for name in $(sed -n 's/^ *\(\/\/\|#\) guide: \([a-z-]*\)$/\2/p' "$source" | grep -vx end); do
    grep -qx "<!-- from ${source#"$root"/}: $name -->" "$guide" || missing="$missing ${source#"$root"/}: $name;"
  done
done
[ -z "$missing" ] || { echo "regions the guide does not show:$missing"; exit 1; }

if [ "$mode" = --update ]; then
  cp "$fresh" "$guide"
  echo "updated $guide"
elif ! diff -u "$guide" "$fresh"; then
  echo "docs/guide.md differs from the example programs (above: - the guide, + the examples);"
  echo "run docs/check_guide.sh . --update after changing an example"
  exit 1
else
  echo "the guide's $(grep -c '^<!-- from ' "$guide") code blocks are the example programs' code"
fi
