#!/usr/bin/env bash
# Builds both builds and runs every test: the portable core natively under the
# sanitizers, the fuzz targets briefly, and the Windows program's tests under Wine.
set -uo pipefail
cd "$(dirname "$0")"

./cmake/install-deps.sh || exit 1

status=0
passed=0
failed=0
trap './cmake/wine-session.sh stop build/win32/CMakeCache.txt >/dev/null 2>&1' EXIT

run_build() {
  local preset=$1 jobs=$2
  echo "== $preset: configure and build"
  if ! cmake --preset "$preset" >"build/$preset.log" 2>&1 || ! cmake --build --preset "$preset" >>"build/$preset.log" 2>&1; then
    tail -n 40 "build/$preset.log"
    echo "== $preset: build failed (full log in build/$preset.log)"
    status=1
    return
  fi
  echo "== $preset: test"
  local output
  output=$(ctest --preset "$preset" -j "$jobs" 2>&1)
  local result=$?
  echo "$output" | grep -E -A 200 '^[0-9]+% tests passed|The following tests FAILED' || echo "$output" | tail -n 30
  local line
  line=$(echo "$output" | grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n 1)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  fi
  [ $result -eq 0 ] || status=1
}

mkdir -p build
run_build host 2
run_build fuzz 2
run_build win32 1

echo
echo "tests: $passed passed, $failed failed"
[ $status -eq 0 ] && [ $passed -gt 0 ] || exit 1
