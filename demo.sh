#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine. On your display when DISPLAY
# is set; otherwise on a private X server, saving a screenshot of each window that
# appears and dismissing the final message box with Enter, as a user would.
set -uo pipefail
cd "$(dirname "$0")"

./cmake/install-deps.sh || exit 1
mkdir -p build
if ! { cmake --preset win32 && cmake --build --preset win32 --target listdemo; } >build/demo-build.log 2>&1; then
  tail -n 40 build/demo-build.log
  echo "demo: the build failed (full log in build/demo-build.log)"
  exit 1
fi
program=build/win32/app/listdemo.exe

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

wine "$program" &
pid=$!
declare -A seen=()
shot=0
# Waits until the window has stayed unchanged for a moment, so that the picture
# shows it drawn, then saves the whole screen.
screenshot() {
  local window=$1 name=$2
  sleep 0.7
  shot=$((shot + 1))
  local file
  file=$(printf '%s/%02d-%s.png' "$shots" "$shot" "$(echo "$name" | tr -c 'A-Za-z0-9' '-' | sed 's/-*$//')")
  import -window root "$file" 2>/dev/null && echo "demo: saved $file"
}
deadline=$((SECONDS + 180))
while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
  for window in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ -n "${seen[$window]:-}" ] && continue
    seen[$window]=1
    name=$(xdotool getwindowname "$window" 2>/dev/null)
    [ -z "$name" ] && continue
    screenshot "$window" "$name"
    if [ "$name" = "Orlavex" ]; then
      xdotool windowactivate --sync "$window" key --clearmodifiers Return 2>/dev/null ||
        xdotool key Return
    fi
  done
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
  echo "demo: the program did not end within 3 minutes; stopping it"
  kill "$pid"
fi
wait "$pid"
code=$?
echo "demo: the program exited with code $code"
echo "demo: screenshots are in $shots"
