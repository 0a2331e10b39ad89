#!/usr/bin/env sh
# Builds the reference and fails on any warning of Doxygen: a public name without
# documentation, a parameter documented under a name it does not have, a reference
# to nothing. Then counts the public names twice, once as documented and once as
# the headers declare them (every name extracted), and fails when they differ. On
# success it prints both counts and the reference's size.
#   check_reference.sh DOXYGEN DOXYFILE [EXTRA_HEADER]
# With EXTRA_HEADER the reference is built, in a folder of its own, with that
# header added: the check of the check, which must fail on the header's names.
set -eu
doxygen=$1 doxyfile=$2 extra=${3:-}
out=$(sed -n 's/^OUTPUT_DIRECTORY *= *//p' "$doxyfile")
[ -z "$extra" ] || out=$out-with-$(basename "$extra" .h)
rm -rf "$out" "$out-all"
mkdir -p "$out" "$out-all"

run() {  # run FOLDER EXTRA_SETTINGS...
  folder=$1
  shift
  { cat "$doxyfile"
    [ -z "$extra" ] || echo "INPUT += \"$extra\""
    echo "OUTPUT_DIRECTORY = \"$folder\""
    echo "WARN_LOGFILE = \"$folder/warnings.log\""
    for setting in "$@"; do echo "$setting"; done
  } | "$doxygen" - >"$folder/doxygen.log" 2>&1 || { cat "$folder/doxygen.log"; exit 1; }
}

# Namespaces' and classes' members, and the classes themselves, in a Doxygen index.
count_names() {
  awk '/<compound / { counting = ($0 ~ /kind="(namespace|struct|class|union)"/)
                      if ($0 ~ /kind="(struct|class|union)"/) names++ }
       /<member / && counting { names++ }
       END { print names + 0 }' "$1/xml/index.xml"
}

run "$out"
if [ -s "$out/warnings.log" ]; then
  # A member is reported once for its namespace and once for its file.
  sort -u "$out/warnings.log" >"$out/warnings.txt"
  cat "$out/warnings.txt"
  undocumented=$(grep -c 'is not documented' "$out/warnings.txt" || true)
  echo "reference check failed: $(wc -l <"$out/warnings.txt") warning(s), $undocumented of them undocumented name(s)"
  exit 1
fi
run "$out-all" "EXTRACT_ALL = YES" "GENERATE_HTML = NO" "WARN_IF_UNDOCUMENTED = NO"
declared=$(count_names "$out-all")
documented=$(count_names "$out")
rm -rf "$out-all"
if [ "$documented" -ne "$declared" ]; then
  echo "reference check failed: the headers declare $declared public names, $documented are documented"
  exit 1
fi
echo "public names: $declared, documented: $documented"
echo "reference: $(find "$out/html" -type f | wc -l) files, $(du -sk "$out/html" | cut -f1) KiB in $out/html"
