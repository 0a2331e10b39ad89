#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine. On your display when DISPLAY
# is set; otherwise on a private X server, saving a screenshot of each window that
# appears and dismissing the final message box with Enter, as a user would.
set -uo pipefail
cd "$(dirname "$0")"

./cmake/install-deps.sh || exit 1
mkdir -p build

build() {
  if ! { cmake --preset "$1" && cmake --build --preset "$1" --target listdemo demo_watch; } >"build/demo-$1.log" 2>&1; then
    tail -n 40 "build/demo-$1.log"
    echo "demo: the $1 build failed (full log in build/demo-$1.log)"
    exit 1
  fi
}

# The product is the 32-bit program; where this machine cannot start 32-bit
# programs, the same program built for 64 bits runs instead.
build win32
preset=win32
if ! reason=$(./cmake/wine-session.sh can-run build/win32/app/listdemo.exe); then
  echo "demo: $reason; running the 64-bit build instead"
  build win64
  preset=win64
fi
program=build/$preset/app/listdemo.exe
echo "demo: running the $preset program"

if [ -n "${DISPLAY:-}" ]; then
  eval "$(./cmake/wine-session.sh env "$program")"
  wine "$program"
  code=$?
  echo "demo: the program exited with code $code"
  exit 0
fi

shots=$(pwd)/demo-shots
rm -rf "$shots" && mkdir -p "$shots"
export WINE_SESSION_PRIVATE_DISPLAY=1
eval "$(./cmake/wine-session.sh env "$program")"
trap './cmake/wine-session.sh stop "$program" >/dev/null 2>&1' EXIT

# Waits until what is on the screen has been drawn, then saves the whole screen.
screenshot() {
  sleep 0.5
  import -window root "$shots/$1" 2>/dev/null && echo "demo: saved $shots/$1"
}

wine "$program" &
pid=$!
if wine "build/$preset/bench/win32/demo_watch.exe" 20 60000; then
  screenshot 01-rows-added.png
else
  echo "demo: the list did not reach 20 rows"
fi
box=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orlavex$' 2>/dev/null | head -n 1)
if [ -n "$box" ]; then
  screenshot 02-message-box.png
  xdotool windowactivate --sync "$box" 2>/dev/null
  # Without a window manager keys go to the window under the pointer.
  xdotool mousemove --window "$box" 40 5 key --clearmodifiers Return
else
  echo "demo: no message box appeared"
fi
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "demo: the program did not end; stopping it"
  kill "$pid"
fi
wait "$pid"
code=$?
echo "demo: the program exited with code $code"
echo "demo: screenshots are in $shots"
