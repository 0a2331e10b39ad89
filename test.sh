#!/usr/bin/env bash
# Builds every build and runs every test: the portable core natively under the
# sanitizers, the fuzz targets briefly, and the Windows program's tests under Wine,
# as the 32-bit product and as the same program built for 64 bits. A Windows build
# whose programs this machine cannot start is built and runs the checks that need
# no Wine, and the summary says why its other tests did not run.
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

# Runs a build's tests; the summary line says `label` before ctest's own count.
run_tests() {
  local preset=$1 jobs=$2 label=${3:-$1}
  echo "== $preset: test"
  local output result line
  output=$(ctest --preset "$preset" -j "$jobs" 2>&1)
  result=$?
  echo "$output" | grep -E -A 200 '^[0-9]+% tests passed|The following tests FAILED' || echo "$output" | tail -n 30
  line=$(echo "$output" | grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n 1)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    count "${BASH_REMATCH[2]}" "${BASH_REMATCH[1]}"
    summaries+=("$label: $line")
  else
    summaries+=("$label: no test summary")
  fi
  [ $result -eq 0 ] || status=1
  return $result
}

# Where the machine cannot start the build's programs, its tests that need no Wine
# (the program image, the installed package and the example's build) still run.
run_windows() {
  local preset=$1 bits=$2 reason
  build "$preset" || return
  if reason=$(./cmake/wine-session.sh can-run-bits "$bits" "build/$preset/CMakeCache.txt"); then
    run_tests "$preset" 1 && windows_runs=$((windows_runs + 1))
  else
    run_tests "$preset" 1 "$preset: built; tests not run: $reason; checks without Wine"
  fi
}

mkdir -p build
build host && run_tests host 2
build fuzz && run_tests fuzz 2
run_windows win32 32
run_windows win64 64

echo
printf '%s\n' "${summaries[@]}"
if [ $windows_runs -eq 0 ]; then
  echo "no Windows build ran its tests under Wine and passed"
  status=1
fi
echo "tests: $passed passed, $failed failed"
[ $status -eq 0 ] && [ $passed -gt 0 ] || exit 1
