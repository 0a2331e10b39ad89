#!/usr/bin/env bash
# Runs every fuzz target for SECONDS on its corpus, then merges what it found back
# into fuzz/corpus/<target> (only inputs that add coverage, so the corpus stays
# minimal and the named seeds stay). WORKERS > 1 runs each target in libFuzzer's
# fork mode with that many processes. Crashes are kept in build/fuzz/long/.
#
#   fuzz/run-fuzzers.sh SECONDS [WORKERS]
#
# Long runs share the machine: start them with `nice -n 19`.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: fuzz/run-fuzzers.sh SECONDS [WORKERS]}
workers=${2:-1}
[[ $seconds =~ ^[0-9]+$ && $workers =~ ^[1-9][0-9]*$ ]] || { echo "SECONDS and WORKERS are whole numbers" >&2; exit 2; }

cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j2 || exit 1

long=build/fuzz/long
mkdir -p "$long"
status=0
for corpus in fuzz/corpus/*/; do
  target=$(basename "$corpus")
  program=build/fuzz/fuzz/$target
  [ -x "$program" ] || { echo "== $target: no program at $program" >&2; status=1; continue; }
  found=$long/$target-found
  rm -rf "$found" && mkdir -p "$found"
  before=$(ls "$corpus" | wc -l)
  mode=()
  [ "$workers" -gt 1 ] && mode=(-fork="$workers")

  echo "== $target: fuzzing for $seconds s with $workers worker(s), $before inputs"
  "$program" "${mode[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$long/$target-" "$found" "$corpus" >"$long/$target.log" 2>&1
  result=$?
  tail -n 12 "$long/$target.log"
  if [ $result -ne 0 ]; then
    echo "== $target: the fuzzer stopped with $result; see $long/$target.log and $long/$target-crash-*"
    status=1
  fi

  "$program" -merge=1 "$corpus" "$found" >"$long/$target-merge.log" 2>&1 || status=1
  echo "== $target: corpus $before -> $(ls "$corpus" | wc -l) inputs, $(du -sb "$corpus" | cut -f1) bytes"
done

times >"$long/times"
echo "== CPU time of the fuzzers (user, system): $(tail -n 1 "$long/times")"
exit $status
