#!/usr/bin/env bash
# Runs Windows test programs under Wine for ctest, on a private X server.
#   wine-session.sh run PROGRAM [ARGS...]   start the session if needed, run PROGRAM
#   wine-session.sh stop                    end the session's wineserver and X server
#   wine-session.sh env                     print the session's environment for a shell
# The session lives in WINE_SESSION_DIR (default: ./wine-session of the current
# build tree, found from the program's path): a Wine prefix with the X11 driver
# settings a window-manager-less display needs, an Xvfb and a persistent wineserver.
set -u

session_dir() {
  if [ -n "${WINE_SESSION_DIR:-}" ]; then echo "$WINE_SESSION_DIR"; return; fi
  local dir
  dir=$(cd "$(dirname "${1:-.}")" && pwd)
  while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = "/" ] && dir=$(pwd)
  echo "$dir/wine-session"
}

# True when the process whose id the file holds is running.
alive() {
  local pid
  pid=$(cat "$1" 2>/dev/null) || return 1
  [ -n "$pid" ] && [ "$pid" -gt 1 ] && kill -0 "$pid" 2>/dev/null
}

start_display() {
  local dir=$1
  if [ -f "$dir/display" ]; then
    if alive "$dir/xvfb.pid"; then cat "$dir/display"; return; fi
  fi
  local n
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/xvfb.pid"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.05
    done
    if kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; then
      echo ":$n" >"$dir/display"
      echo ":$n"
      return
    fi
  done
  echo "wine-session: no X display could be started" >&2
  exit 1
}

prepare() {
  local dir=$1
  mkdir -p "$dir"
  # Everything started while the lock is held gets 9>&-: a service that kept the
  # descriptor would keep the lock after this script has ended.
  exec 9>"$dir/lock"
  flock 9
  export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEARCH=win32 WINEDLLOVERRIDES="mscoree,mshtml="
  if [ -z "${DISPLAY:-}" ] || [ -n "${WINE_SESSION_PRIVATE_DISPLAY:-}" ]; then
    DISPLAY=$(start_display "$dir")
    export DISPLAY
  fi
  if [ ! -f "$WINEPREFIX/.session-ready" ]; then
    # Setting up waits for the wineserver to end, so no persistent one may run.
    wineserver -k 2>/dev/null
    rm -f "$dir/wineserver.pid"
    wineboot -i >/dev/null 2>&1 9>&-
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 9>&-
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 9>&-
    wineserver -w
    # The 32-bit Wine does not find the TrueType fonts of the fonts-wine package
    # where that package puts them; without Marlett the caption buttons draw as
    # letters. The prefix's own font folder is always searched.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    touch "$WINEPREFIX/.session-ready"
  fi
  if ! alive "$dir/wineserver.pid"; then
    setsid wineserver -p </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$dir/wineserver.pid"
    # Start the prefix's background services now, with no terminal: started by a
    # test program they would inherit its output and keep ctest waiting for it.
    wineboot </dev/null >/dev/null 2>&1 9>&-
  fi
  flock -u 9
  exec 9>&-
}

command=${1:-}
shift || true
case "$command" in
  run)
    dir=$(session_dir "${1:-.}")
    prepare "$dir"
    exec wine "$@"
    ;;
  env)
    dir=$(session_dir "${1:-.}")
    prepare "$dir"
    echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all DISPLAY='$DISPLAY'"
    ;;
  stop)
    dir=$(session_dir "${1:-.}")
    [ -d "$dir/prefix" ] && WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null
    rm -f "$dir/wineserver.pid"
    if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null; rm -f "$dir/xvfb.pid" "$dir/display"; fi
    ;;
  *)
    echo "usage: wine-session.sh run PROGRAM [ARGS...] | env [PATH] | stop [PATH]" >&2
    exit 2
    ;;
esac
