#!/usr/bin/env sh
# Installs this build of the toolkit into a folder of the build tree and builds the
# example programs (examples/<name> into example-<name>) against the installed
# package alone, as a consumer would. Every
# public header must compile on its own include path: none may pull in a private
# one. The libraries define nothing outside namespace tabard but the entry point a
# program asks for, so a program with names of its own that the toolkit also uses
# links without a clash.
#   example_build.sh BUILD_DIR SOURCE_DIR TOOLCHAIN_FILE CXX_COMPILER
set -eu
build=$1 source=$2 toolchain=$3 compiler=$4
prefix=$build/package-install
examples="form guide gallery"
consumer=$build/consumer
rm -rf "$prefix" "$consumer"
for name in $examples; do rm -rf "$build/example-$name"; done
cmake --install "$build" --prefix "$prefix" >/dev/null

headers=$(cd "$prefix/include" && find tabard -name '*.h' | sort)
for header in $headers; do echo "#include <$header>"; done >"$build/installed-headers.cpp"
"$compiler" -std=c++20 -fsyntax-only -I"$prefix/include" "$build/installed-headers.cpp"
platform=$(cd "$prefix/include/tabard/platform" && ls)
[ "$platform" = system_types.h ] || { echo "platform headers other than the system's types were installed: $platform"; exit 1; }

# Linker-made references (.refptr.) name what they refer to; i686 C names carry a
# leading underscore.
outside=$("${compiler%g++*}nm" -C --defined-only --extern-only "$prefix"/lib/*.a |
  awk 'NF >= 3 { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' |
  grep -vE '^(\.refptr\._ZN6tabard|(vtable|typeinfo|typeinfo name|guard variable) for tabard::|tabard::)' |
  sed 's/^_//' | sort -u)
[ "$outside" = ProcessEntry ] || { printf 'defined outside namespace tabard:\n%s\n' "$outside"; exit 1; }

projects="$source/tests/win32/consumer:$consumer"
for name in $examples; do projects="$projects $source/examples/$name:$build/example-$name"; done
for project in $projects; do
  cmake -S "${project%%:*}" -B "${project#*:}" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "${project#*:}"
done
for program in form/form guide/expenses gallery/gallery; do
  echo "example ${program%/*}: $(wc -c <"$build/example-$program.exe") bytes"
done
