#!/usr/bin/env sh
# The program must be a GUI executable of the expected format (pei-i386 for the
# product, pei-x86-64 for its 64-bit build) that carries no resource section (and
# so no manifest): its whole interface is built at run time.
program=$1
format=${2:-pei-i386}
headers=$(objdump -p "$program") || exit 1
sections=$(objdump -h "$program") || exit 1
fail=0
echo "$headers" | grep -q "file format $format\$" || { echo "not a $format image"; fail=1; }
echo "$headers" | grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' || { echo "not the GUI subsystem"; fail=1; }
echo "$sections" | grep -q '\.rsrc' && { echo "has a resource section"; fail=1; }
echo "$headers" | grep -Eq '^Entry 2[[:space:]]+0+[[:space:]]+0+[[:space:]]' || { echo "resource directory not empty"; fail=1; }
size=$(wc -c <"$program")
echo "program: $size bytes"
exit $fail
