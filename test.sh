#!/usr/bin/env bash
# Builds every build and runs every test: the portable core natively under the
# sanitizers, the fuzz targets briefly, and the Windows program's tests under Wine,
# as the 32-bit product and as the same program built for 64 bits. A Windows build
# whose programs this machine cannot start is built and its image checked, and the
# summary says why its tests did not run.
set -uo pipefail
cd "$(dirname "$0")"

./cmake/install-deps.sh || exit 1

status=0
passed=0
failed=0
windows_runs=0
summaries=()
trap 'for b in win32 win64; do ./cmake/wine-session.sh stop build/$b/CMakeCache.txt >/dev/null 2>&1; done' EXIT

build() {
  local preset=$1
  echo "== $preset: configure and build"
  if ! cmake --preset "$preset" >"build/$preset.log" 2>&1 || ! cmake --build --preset "$preset" >>"build/$preset.log" 2>&1; then
    tail -n 40 "build/$preset.log"
    echo "== $preset: build failed (full log in build/$preset.log)"
    summaries+=("$preset: build failed")
    status=1
    return 1
  fi
}

count() {
  failed=$((failed + $2))
  passed=$((passed + $1 - $2))
}

run_tests() {
  local preset=$1 jobs=$2
  echo "== $preset: test"
  local output result line
  output=$(ctest --preset "$preset" -j "$jobs" 2>&1)
  result=$?
  echo "$output" | grep -E -A 200 '^[0-9]+% tests passed|The following tests FAILED' || echo "$output" | tail -n 30
  line=$(echo "$output" | grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n 1)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    count "${BASH_REMATCH[2]}" "${BASH_REMATCH[1]}"
    summaries+=("$preset: $line")
  else
    summaries+=("$preset: no test summary")
  fi
  [ $result -eq 0 ] || status=1
  return $result
}

# The image check needs no Wine, so it runs where the build's tests cannot.
run_windows() {
  local preset=$1 format=$2 program reason
  build "$preset" || return
  program=build/$preset/app/listdemo.exe
  if reason=$(./cmake/wine-session.sh can-run "$program"); then
    run_tests "$preset" 1
    windows_runs=$((windows_runs + 1))
  elif tests/win32/check_program_image.sh "$program" "$format" >/dev/null; then
    count 1 0
    summaries+=("$preset: built; tests not run: $reason (program image check passed)")
  else
    count 1 1
    summaries+=("$preset: built; tests not run: $reason; program image check FAILED")
    status=1
  fi
}

mkdir -p build
build host && run_tests host 2
build fuzz && run_tests fuzz 2
run_windows win32 pei-i386
run_windows win64 pei-x86-64

echo
printf '%s\n' "${summaries[@]}"
if [ $windows_runs -eq 0 ]; then
  echo "no Windows build's tests could run on this machine"
  status=1
fi
echo "tests: $passed passed, $failed failed"
[ $status -eq 0 ] && [ $passed -gt 0 ] || exit 1
