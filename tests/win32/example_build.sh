#!/usr/bin/env sh
# Installs this build of the toolkit into a folder of the build tree and builds the
# example program against the installed package alone, as a consumer would. Every
# public header must compile on its own include path: none may pull in a private one.
#   example_build.sh BUILD_DIR SOURCE_DIR TOOLCHAIN_FILE CXX_COMPILER
set -eu
build=$1 source=$2 toolchain=$3 compiler=$4
prefix=$build/package-install
example=$build/example-form
rm -rf "$prefix" "$example"
cmake --install "$build" --prefix "$prefix" >/dev/null

headers=$(cd "$prefix/include/tabard" && find . -name '*.h' | sed 's|^\./||' | sort)
for header in $headers; do echo "#include <$header>"; done >"$build/installed-headers.cpp"
"$compiler" -std=c++20 -fsyntax-only -I"$prefix/include/tabard" "$build/installed-headers.cpp"
[ ! -e "$prefix/include/tabard/platform" ] || { echo "the platform layer's headers were installed"; exit 1; }

cmake -S "$source/examples/form" -B "$example" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$example"
echo "example: $(wc -c <"$example/form.exe") bytes"
