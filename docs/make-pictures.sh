#!/usr/bin/env bash
# Renders the pictures that the guide and the README show, headlessly: each
# program runs under Wine on a private X server, and its window is saved as a PNG
# once it is drawn (two captures in a row alike) into docs/images/:
#   gallery.png  examples/gallery, one control of each of the fifteen kinds
#   guide.png    examples/guide, the guide's program
#   demo.png     the demo, once its list view holds its twenty rows
# The examples are built against the installed package, as the tests build them.
#   docs/make-pictures.sh [win32|win64]
# The default is the product's build, or its 64-bit build where this machine cannot
# start 32-bit programs. Installs what it needs on Debian 12 (run it as root).
set -euo pipefail
cd "$(dirname "$0")/.."
./cmake/install-deps.sh

preset=${1:-}
if [ -z "$preset" ]; then
  preset=win32
  mkdir -p build/win32
  if ! reason=$(./cmake/wine-session.sh can-run-bits 32 build/win32/CMakeCache.txt); then
    echo "pictures: $reason; using the 64-bit build"
    preset=win64
  fi
fi
build=build/$preset
echo "pictures: building the $preset programs"
{ cmake --preset "$preset" && cmake --build --preset "$preset"; } >"build/pictures-$preset.log" 2>&1 ||
  { tail -n 40 "build/pictures-$preset.log"; exit 1; }
toolchain=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")
compiler=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$build"/CMakeFiles/*/CMakeCXXCompiler.cmake | head -n 1)
tests/win32/example_build.sh "$(pwd)/$build" "$(pwd)" "$toolchain" "$compiler" >>"build/pictures-$preset.log" 2>&1 ||
  { tail -n 40 "build/pictures-$preset.log"; exit 1; }

export WINE_SESSION_PRIVATE_DISPLAY=1
eval "$(./cmake/wine-session.sh env "$build/app/listdemo.exe")"
trap './cmake/wine-session.sh stop "$build/app/listdemo.exe" >/dev/null 2>&1' EXIT
images=docs/images
mkdir -p "$images"

# The window's picture once two captures in a row are alike: drawn and still.
capture() {
  local window=$1 out=$2 previous="" current
  for _ in $(seq 1 100); do
    import -window "$window" "$out.new.png" 2>/dev/null || return 1
    current=$(convert "$out.new.png" rgb:- | md5sum)
    [ "$current" = "$previous" ] && { mv "$out.new.png" "$out"; return 0; }
    previous=$current
  done
  rm -f "$out.new.png"
  return 1
}

# picture PROGRAM TITLE FILE [READY...]: starts PROGRAM, waits for its window of
# that title (and for READY, a program that exits 0 once the window is ready),
# saves the window's picture and ends the program.
picture() {
  local program=$1 title=$2 file=$3 window pid
  shift 3
  wine "$program" >/dev/null 2>&1 &
  pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
  if [ -z "$window" ]; then
    echo "pictures: no window \"$title\" from $program"
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  if [ $# -gt 0 ] && ! wine "$@"; then
    echo "pictures: $program never got ready"
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  capture "$window" "$images/$file" && echo "pictures: saved $images/$file"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

status=0
picture "$build/example-gallery/gallery.exe" "Tabard gallery" gallery.png || status=1
picture "$build/example-guide/expenses.exe" "Expenses" guide.png || status=1
picture "$build/app/listdemo.exe" "Demo listbox with Colomns" demo.png "$build/bench/win32/demo_watch.exe" 20 60000 ||
  status=1
exit $status
