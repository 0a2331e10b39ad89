#!/usr/bin/env bash
# Keeps the control wire table whole and in order: every function a control family's
# header declares has a row, and the rows run family by family, each in the order of its
# header, so that a reader checks a row against the declaration beside it.
#   check_wire_rows.sh SOURCE_DIR
set -u
cd "$1" || exit 2
table=tests/win32/control_wire_test.cpp
# Not wrappers: the templates the wrappers are written in, and the buffers and text
# helpers they share.
skip="message_shapes.h receive_buffers.h item_text.h"

# "family position name" for each declared function, in header order.
declared=$(for header in controls/include/tabard/controls/*.h; do
  family=$(basename "$header")
  [[ " $skip " == *" $family "* ]] && continue
  grep -E '^[A-Za-z_][A-Za-z0-9_:<>*& ]* [A-Z][A-Za-z0-9]*\(' "$header" |
    sed -E 's/^[^(]* ([A-Z][A-Za-z0-9]*)\(.*/\1/' | awk -v f="$family" '!seen[$0]++ { print f, NR, $0 }'
done)
# The wrapper each row names, in table order.
rows=$(grep -oE '(SENDS|CHECKED)\([A-Z][A-Za-z0-9]*' "$table" | sed -E 's/.*\(//')

awk 'NR == FNR { key[$3] = sprintf("%s %05d", $1, $2); next }
     !(($1) in key) { print "row " $1 ": no control header declares it"; failed = 1; next }
     key[$1] < last { print "row " $1 " comes after " previous ": out of its header'"'"'s order"; failed = 1 }
     { last = key[$1]; previous = $1; named[$1] = 1 }
     END { for (n in key) if (!(n in named)) { print n " (" key[n] ") has no row"; failed = 1 }
           exit failed }' <(echo "$declared") <(echo "$rows")
