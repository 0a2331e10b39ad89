#!/usr/bin/env bash
# Builds every build and runs every test: the portable core natively under the
# sanitizers, the fuzz targets briefly, and the Windows program's tests under Wine,
# as the 32-bit product and as the same program built for 64 bits. A Windows build
# whose programs this machine cannot start is built and runs the checks that need
# no Wine. The product's tests under Wine then run in an emulated PC instead
# (cmake/emulated-machine.sh; the first run makes its disk image, which later runs
# and clones keep); TEST_EMULATED=0 leaves that out, and the summary says why the
# tests did not run.
set -uo pipefail
cd "$(dirname "$0")"

./cmake/install-deps.sh || exit 1

# The soak's rounds. Every round must give back every window, menu, GDI object,
# string and memory block, so a leak of any of those shows in its first round
# whatever the count; the count decides only how small a leak of memory the system
# keeps (the commit charge, measured once a tenth of the rounds are done) can show:
# 1 MB over the other nine tenths. Natively 2,500 rounds (about 460 bytes a round)
# keep the whole run within CI's time on a busy 2-core machine;
# DEMO_SOAK_ROUNDS=10000 asks for the full count. In the emulated machine, where a
# round takes one to four seconds, 50 rounds (about 23 KB a round).
export DEMO_SOAK_ROUNDS=${DEMO_SOAK_ROUNDS:-2500}
emulated_soak_rounds=${DEMO_SOAK_ROUNDS_EMULATED:-50}

status=0
passed=0
failed=0
windows_runs=0
summaries=()
trap 'for b in win32 win64; do ./cmake/wine-session.sh stop build/$b/CMakeCache.txt >/dev/null 2>&1; done' EXIT

# build PRESET [CONFIGURE_ARGS...]
build() {
  local preset=$1
  shift
  echo "== $preset: configure and build"
  if ! cmake --preset "$preset" "$@" >"build/$preset.log" 2>&1 || ! cmake --build --preset "$preset" >>"build/$preset.log" 2>&1; then
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

# Records ctest's output: its count in the totals, and `label` before that count.
summarise() {
  local output=$1 label=$2 line
  echo "$output" | grep -E -A 200 '^[0-9]+% tests passed|The following tests FAILED' || echo "$output" | tail -n 30
  line=$(echo "$output" | grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' | tail -n 1)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    count "${BASH_REMATCH[2]}" "${BASH_REMATCH[1]}"
    summaries+=("$label: $line")
  else
    summaries+=("$label: no test summary")
  fi
}

# run_tests PRESET JOBS [LABEL [CTEST_ARGS...]]: runs a build's tests; the summary line
# says `label` before ctest's own count.
run_tests() {
  local preset=$1 jobs=$2 label=${3:-$1}
  shift $(($# < 3 ? $# : 3))
  echo "== $preset: test"
  local output result
  output=$(ctest --preset "$preset" -j "$jobs" "$@" 2>&1)
  result=$?
  summarise "$output" "$label"
  [ $result -eq 0 ] || status=1
  return $result
}

# The tests under Wine of a build this machine cannot run, in an emulated PC that can
# (cmake/emulated-machine.sh); the checks that need no Wine have run here before.
run_emulated() {
  local preset=$1 output result
  echo "== $preset: test in an emulated machine"
  output=$(DEMO_SOAK_ROUNDS=$emulated_soak_rounds ./cmake/emulated-machine.sh test "build/$preset" \
             -j 1 --output-on-failure -LE without-wine -FS example_form 2>&1)
  result=$?
  echo "$output" | grep -E -B 2 -A 200 '^[0-9]+% tests passed|The following tests FAILED|emulated-machine:' ||
    echo "$output" | tail -n 30
  summarise "$output" "$preset: in an emulated machine (this machine cannot run 32-bit programs)"
  echo "== $preset: emulated machine's stages (seconds): $(paste -sd ' ' "build/$preset/emulated-stages" 2>/dev/null)"
  summaries+=("$preset: emulated machine's stages (seconds): $(paste -sd ' ' "build/$preset/emulated-stages" 2>/dev/null)")
  [ $result -eq 0 ] || status=1
  return $result
}
# Where the machine cannot start the build's programs, its tests that need no Wine
# (the program image, the installed package, the example's build, the layering, the
# wire table's rows, the guide and the reference) still run.
# The 32-bit product's tests under Wine run in an emulated machine where this one
# cannot run them, and count as a run like any other.
run_windows() {
  local preset=$1 bits=$2 reason
  mkdir -p "build/$preset/wine-session"
  if reason=$(WINE_SESSION_DIR=build/$preset/wine-session ./cmake/wine-session.sh can-run-bits "$bits"); then
    build "$preset" -DDEMO_WINE_TESTS_ELSEWHERE=OFF || return
    run_tests "$preset" 1 && windows_runs=$((windows_runs + 1))
  elif [ "$bits" = 32 ] && [ "${TEST_EMULATED:-1}" = 1 ]; then
    build "$preset" -DDEMO_WINE_TESTS_ELSEWHERE=ON || return
    run_tests "$preset" 1 "$preset: checks without Wine, on this machine" -L without-wine &&
      run_emulated "$preset" && windows_runs=$((windows_runs + 1))
  else
    local left_out=""
    [ "$bits" = 32 ] && left_out=" (TEST_EMULATED=0 left the emulated machine out)"
    build "$preset" -DDEMO_WINE_TESTS_ELSEWHERE=OFF || return
    run_tests "$preset" 1 "$preset: built; tests not run: $reason$left_out; checks without Wine"
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
