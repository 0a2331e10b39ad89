#!/usr/bin/env sh
# The product must be a 32-bit x86 GUI executable that carries no resource section
# (and so no manifest): its whole interface is built at run time.
program=$1
headers=$(i686-w64-mingw32-objdump -p "$program") || exit 1
sections=$(i686-w64-mingw32-objdump -h "$program") || exit 1
fail=0
echo "$headers" | grep -q 'file format pei-i386' || { echo "not a PE32 i386 image"; fail=1; }
echo "$headers" | grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' || { echo "not the GUI subsystem"; fail=1; }
echo "$sections" | grep -q '\.rsrc' && { echo "has a resource section"; fail=1; }
echo "$headers" | grep -Eq '^Entry 2[[:space:]]+0+[[:space:]]+0+[[:space:]]' || { echo "resource directory not empty"; fail=1; }
size=$(wc -c <"$program")
echo "program: $size bytes"
exit $fail
