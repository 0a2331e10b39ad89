#!/usr/bin/env bash
# Keeps the toolkit's stack one-way: a file may include the headers of its own layer
# and of the layers below it, never those of a layer above or of a sibling, and no
# layer includes the demo, the tests or anything else of the tree but <tabard/...>.
#   check_layers.sh SOURCE_DIR
set -u
cd "$1" || exit 2

# Each layer, with the layers its files may include.
declare -A allowed=(
  [platform]="platform"
  [base]="platform base"
  [text]="platform base text"
  [runtime]="platform base text runtime"
  [dialogs]="platform base text runtime dialogs"
  [controls]="platform base text runtime controls"
  [app]="platform base text runtime dialogs controls"
)
tree_roots="app|tests|bench|fuzz|examples|cmake|platform|base|text|runtime|dialogs|controls"

violations=0
for layer in "${!allowed[@]}"; do
  while IFS=: read -r file line text; do
    [[ $text =~ include[[:space:]]*[\<\"]([^\>\"]+) ]] || continue
    target=${BASH_REMATCH[1]}
    case "$target" in
      tabard/*)
        used=${target#tabard/}
        used=${used%%/*}
        [[ " ${allowed[$layer]} " == *" $used "* ]] && continue
        echo "$file:$line: includes <$target>: $layer may include only ${allowed[$layer]}"
        ;;
      *)
        [[ $layer == app && $target == app/* ]] && continue
        [[ $target =~ ^($tree_roots)/ ]] || continue
        echo "$file:$line: includes \"$target\": only <tabard/...> headers of the layers below may be included"
        ;;
    esac
    violations=$((violations + 1))
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' "$layer")
done

files=$(find "${!allowed[@]}" -name '*.h' -o -name '*.cpp' | wc -l)
echo "$files files of ${#allowed[@]} layers checked; $violations includes run against the stack"
[ "$violations" -eq 0 ]
