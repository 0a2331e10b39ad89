#!/usr/bin/env bash
# Runs a Windows build's tests under Wine inside an emulated PC, for machines whose
# kernel cannot run 32-bit programs: a whole machine emulated in software needs no
# help from this kernel, and there Wine's 32-bit loader runs.
#   emulated-machine.sh test BUILD_DIR [CTEST_ARGS...]
# Makes the machine's disk image if it is not there yet (emulated-machine-image.sh),
# boots it with two processors, copies the checkout and BUILD_DIR onto the machine's
# own memory (Windows programs started from the shared folder crash under Wine),
# runs ctest there and prints its output. The exit status is ctest's, or 124 when
# the machine did not end within EMULATED_MACHINE_MINUTES (default 45).
# The image's making, the boot, the copy, the Wine prefix and the tests are timed;
# the times go to BUILD_DIR/emulated-stages. DEMO_SOAK_ROUNDS is passed on.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")

install_tools() { "$here/install-deps.sh" qemu-system-x86 debootstrap e2fsprogs; }

now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", b - a }'; }

# The job the machine's init runs from the shared folder.
write_job() {
  local exchange=$1 build=$2
  shift 2
  {
    echo "source_dir='$source_dir' build='$build'"
    [ -n "${DEMO_SOAK_ROUNDS:-}" ] && echo "export DEMO_SOAK_ROUNDS='$DEMO_SOAK_ROUNDS'"
    printf 'ctest_args=('
    printf '%q ' "$@"
    echo ')'
    cat <<'EOF'
stage() { echo "$1 $(date +%s.%N)" >>/share/stages; }
stage booted
mkdir -p /checkout "$source_dir"
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000,ro checkout /checkout || exit 90
# On the machine's own memory, at the same path, so that the build's absolute paths hold.
mount -t tmpfs -o size=3g checkout-copy "$source_dir"
tar -C /checkout --exclude=./build --exclude=./.git -cf - . | tar -C "$source_dir" -xf - || exit 91
relative=${build#"$source_dir"/}
mkdir -p "$build"
tar -C "/checkout/$relative" --exclude=./wine-session --exclude=./emulated -cf - . | tar -C "$build" -xf - || exit 91
umount /checkout
stage copied
# Wine's debugger would wait on a crash for a person to answer it.
export WINEDLLOVERRIDES=winedbg.exe=d
"$source_dir/cmake/wine-session.sh" env "$build/tests/win32/startup_probe.exe" >/dev/null
stage prefix
cd "$build"
ctest "${ctest_args[@]}" --output-junit /share/results.xml >/share/ctest.log 2>&1
status=$?
stage tested
"$source_dir/cmake/wine-session.sh" stop "$build/CMakeCache.txt" >/dev/null 2>&1
exit $status
EOF
  } >"$exchange/job.sh"
}

run_tests() {
  local build
  build=$(cd "$1" && pwd) || { echo "emulated-machine: no build folder $1" >&2; return 2; }
  shift
  case "$build" in
    "$source_dir"/*) ;;
    *) echo "emulated-machine: the build folder must lie in the checkout $source_dir" >&2; return 2 ;;
  esac
  install_tools || return 1
  local exchange=$build/emulated stages=$build/emulated-stages
  rm -rf "$exchange"
  mkdir -p "$exchange"

  local start made image
  start=$(now)
  image=$("$here/emulated-machine-image.sh" path)
  if [ -f "$image/disk.img" ]; then
    echo "image kept $(seconds "$start" "$(now)")" >"$stages"
  else
    echo "== making the emulated machine's disk image in $image (once for every checkout)"
    image=$("$here/emulated-machine-image.sh" make) || return 1
    echo "image made $(seconds "$start" "$(now)")" >"$stages"
  fi

  write_job "$exchange" "$build" "$@"
  local minutes=${EMULATED_MACHINE_MINUTES:-45} booted
  booted=$(now)
  # The disk image is only read: what the machine writes goes to a throwaway overlay.
  timeout -k 30 "$((minutes * 60))" qemu-system-x86_64 -machine q35 -accel tcg,thread=multi -smp 2 -m 6144 \
    -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
    -append "root=/dev/vda rw init=/job-runner.sh console=ttyS0 quiet" \
    -drive "file=$image/disk.img,format=raw,if=virtio,cache=unsafe" -snapshot \
    -virtfs "local,path=$exchange,mount_tag=share,security_model=none" \
    -virtfs "local,path=$source_dir,mount_tag=checkout,security_model=none,readonly=on" \
    -nic none -display none -monitor none -serial "file:$exchange/console.log" -no-reboot
  local qemu_status=$?

  # Each stage's time, from the moments the machine wrote down.
  local previous=$booted name moment
  while read -r name moment; do
    echo "$name $(seconds "$previous" "$moment")" >>"$stages"
    previous=$moment
  done < <(cat "$exchange/stages" 2>/dev/null)
  echo "total $(seconds "$start" "$(now)")" >>"$stages"

  [ -f "$exchange/ctest.log" ] && cat "$exchange/ctest.log"
  if [ $qemu_status -eq 124 ] || [ $qemu_status -eq 137 ]; then
    echo "emulated-machine: the emulated machine did not end within $minutes minutes and was stopped" \
         "(its console: $exchange/console.log, the job's output: $exchange/job.log)" >&2
    return 124
  fi
  if [ ! -f "$exchange/job.status" ]; then
    tail -n 20 "$exchange/console.log" >&2
    echo "emulated-machine: the machine ended without running the tests (exit $qemu_status;" \
         "its console: $exchange/console.log)" >&2
    return 1
  fi
  local status
  status=$(cat "$exchange/job.status")
  if [ ! -f "$exchange/ctest.log" ]; then
    tail -n 20 "$exchange/job.log" >&2
    echo "emulated-machine: the tests did not start in the machine (exit $status)" >&2
  fi
  return "$status"
}

command=${1:-}
shift || true
case "$command" in
  test) run_tests "$@" ;;
  *)
    echo "usage: emulated-machine.sh test BUILD_DIR [CTEST_ARGS...]" >&2
    exit 2
    ;;
esac
