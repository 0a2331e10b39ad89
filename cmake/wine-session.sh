#!/usr/bin/env bash
# Runs Windows test programs under Wine for ctest, on a private X server.
#   wine-session.sh run PROGRAM [ARGS...]   start the session if needed, run PROGRAM
#   wine-session.sh can-run PROGRAM         exit 0 when this machine can run PROGRAM's
#                                           word size; otherwise say why and exit 1
#   wine-session.sh can-run-bits 32|64 PATH the same for a word size, for the build
#                                           tree that holds PATH
#   wine-session.sh stop PATH               end the session's wineserver and X server
#   wine-session.sh env PROGRAM             print the session's environment for a shell
# The session lives in WINE_SESSION_DIR (default: ./wine-session of the current
# build tree, found from the program's path): a Wine prefix with the X11 driver
# settings a window-manager-less display needs, an Xvfb and a persistent wineserver.
# Each build tree has its own prefix: 32-bit programs run in a 32-bit prefix through
# the wine launcher, 64-bit programs in a 64-bit one through Wine's 64-bit loader.
set -u

loader64=/usr/lib/wine/wine64
loader32=/usr/lib/wine/wine

session_dir() {
  if [ -n "${WINE_SESSION_DIR:-}" ]; then echo "$WINE_SESSION_DIR"; return; fi
  local dir
  dir=$(cd "$(dirname "${1:-.}")" 2>/dev/null && pwd) || dir=/
  while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" = "/" ] && dir=$(pwd)
  echo "$dir/wine-session"
}

# 32 or 64: the word size of a PE program, from the machine field of its header.
program_bits() {
  local offset machine
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 1
  [ -n "$offset" ] || return 1
  machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    8664) echo 64 ;;
    014c) echo 32 ;;
    *) return 1 ;;
  esac
}

# Some kernels have their 32-bit emulation off, and there Wine's 32-bit loader, an
# i386 Linux program, cannot start at all. Asked once per session and kept.
can_run_bits() {
  local bits=$1 dir=$2 loader cache
  [ "$bits" = 64 ] && loader=$loader64 || loader=$loader32
  mkdir -p "$dir"
  cache=$dir/can-run-$bits
  if [ ! -f "$cache" ]; then
    if "$loader" --version >/dev/null 2>&1; then echo yes >"$cache"; else echo no >"$cache"; fi
  fi
  [ "$(cat "$cache")" = yes ]
}

why_not() {
  if [ "$1" = 32 ]; then
    echo "this machine cannot run 32-bit programs"
  else
    echo "Wine's 64-bit loader cannot start here"
  fi
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

# The loader a program of this word size starts with. The wine launcher picks the
# 32-bit loader whenever it is installed, even where it cannot start, so 64-bit
# programs go to the 64-bit loader directly.
use_loader() {
  if [ "$1" = 64 ]; then
    export WINEARCH=win64 WINELOADER=$loader64
    wine=$loader64
  else
    export WINEARCH=win32
    unset WINELOADER
    wine=wine
  fi
}

prepare() {
  local dir=$1 bits=$2
  mkdir -p "$dir"
  # Everything started while the lock is held gets 9>&-: a service that kept the
  # descriptor would keep the lock after this script has ended.
  exec 9>"$dir/lock"
  flock 9
  export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
  use_loader "$bits"
  if [ -z "${DISPLAY:-}" ] || [ -n "${WINE_SESSION_PRIVATE_DISPLAY:-}" ]; then
    DISPLAY=$(start_display "$dir")
    export DISPLAY
  fi
  if [ ! -f "$WINEPREFIX/.session-ready" ]; then
    # Setting up waits for the wineserver to end, so no persistent one may run.
    wineserver -k 2>/dev/null
    rm -f "$dir/wineserver.pid"
    "$wine" wineboot -i >/dev/null 2>&1 9>&-
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 9>&-
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 9>&-
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
    "$wine" wineboot </dev/null >/dev/null 2>&1 9>&-
  fi
  flock -u 9
  exec 9>&-
}

command=${1:-}
shift || true
case "$command" in
  run)
    bits=$(program_bits "${1:-}") || { echo "wine-session: not a Windows program: ${1:-}" >&2; exit 2; }
    dir=$(session_dir "$1")
    can_run_bits "$bits" "$dir" || { echo "wine-session: $(why_not "$bits")" >&2; exit 1; }
    prepare "$dir" "$bits"
    exec "$wine" "$@"
    ;;
  can-run)
    bits=$(program_bits "${1:-}") || { echo "not a Windows program: ${1:-}"; exit 2; }
    can_run_bits "$bits" "$(session_dir "$1")" || { why_not "$bits"; exit 1; }
    ;;
  can-run-bits)
    bits=${1:-}
    case "$bits" in 32 | 64) ;; *) echo "usage: wine-session.sh can-run-bits 32|64 PATH" >&2; exit 2 ;; esac
    can_run_bits "$bits" "$(session_dir "${2:-.}")" || { why_not "$bits"; exit 1; }
    ;;
  env)
    bits=$(program_bits "${1:-}") || { echo "wine-session: not a Windows program: ${1:-}" >&2; exit 2; }
    dir=$(session_dir "$1")
    can_run_bits "$bits" "$dir" || { echo "wine-session: $(why_not "$bits")" >&2; exit 1; }
    prepare "$dir" "$bits"
    echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEARCH='$WINEARCH' DISPLAY='$DISPLAY'"
    [ "$bits" = 64 ] && echo "export WINELOADER='$WINELOADER'"
    echo "wine() { '$wine' \"\$@\"; }"
    ;;
  stop)
    dir=$(session_dir "${1:-.}")
    [ -d "$dir/prefix" ] && WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null
    rm -f "$dir/wineserver.pid"
    if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null; rm -f "$dir/xvfb.pid" "$dir/display"; fi
    ;;
  *)
    echo "usage: wine-session.sh run PROGRAM [ARGS...] | can-run PROGRAM | can-run-bits 32|64 PATH | env PROGRAM | stop PATH" >&2
    exit 2
    ;;
esac
