#!/usr/bin/env bash
# Makes the disk image of the emulated PC that runs the 32-bit Windows programs where
# this machine's kernel cannot: Debian 12 with its own kernel, Wine with its 32-bit
# part, Xvfb, xdotool and CMake, from Debian's packages alone. Runs as root.
#   emulated-machine-image.sh path   print the image's folder (made or not)
#   emulated-machine-image.sh make   make the image unless it is there; print its folder
# The image lives outside any checkout, so every clone on this machine shares it, in a
# folder named by a hash of this script: changing the recipe makes a new image. It is
# made in a temporary folder and renamed into place, so a cut-short run never leaves
# a half image that looks complete.
set -euo pipefail

cache_root=${EMULATED_MACHINE_CACHE:-/var/cache/emulated-machine}
recipe_hash=$(sha256sum "$0" | cut -c1-16)
image_dir=$cache_root/bookworm-$recipe_hash

# The first Debian mirror this machine's own apt sources name.
mirror() {
  local uri
  uri=$(grep -hoE '^(deb|URIs:)[[:space:]]+(\[[^]]*\][[:space:]]+)?https?://[^[:space:]]*debian/?' \
          /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
        grep -v security | grep -oE 'https?://[^[:space:]]*' | head -n 1) || true
  echo "${uri:-http://deb.debian.org/debian}"
}

# The PID 1 of the emulated machine: mounts what programs need, then runs the job the
# host put on the shared folder and powers off, whatever the job did.
write_init() {
  cat >"$1/job-runner.sh" <<'EOF'
#!/bin/bash
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs shm /dev/shm
mount -t tmpfs tmp /tmp
mount -t tmpfs run /run
hostname emulated
modprobe 9pnet_virtio
modprobe 9p
mkdir -p /share
if mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000 share /share; then
  bash /share/job.sh >/share/job.log 2>&1
  echo $? >/share/job.status
  sync
fi
echo o >/proc/sysrq-trigger
sleep 60
EOF
  chmod +x "$1/job-runner.sh"
}

make_image() {
  local work=$1 root=$1/root
  mkdir -p "$root"
  # The kernel comes later, once its boot image is told to hold only the modules this
  # machine boots with: the generic one takes most of the image's making time.
  debootstrap --arch=amd64 --variant=minbase \
    --include=systemd-sysv,udev,kmod,cmake,xvfb,xauth,xdotool,x11-utils,procps,file,util-linux \
    bookworm "$root" "$(mirror)"
  mkdir -p "$root/etc/initramfs-tools/conf.d"
  echo MODULES=list >"$root/etc/initramfs-tools/conf.d/emulated-machine"
  printf '%s\n' virtio_pci virtio_blk crc32c_generic ext4 9pnet_virtio 9p >>"$root/etc/initramfs-tools/modules"
  mount --bind /dev "$root/dev"
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  local status=0
  chroot "$root" /bin/bash -euc '
    export DEBIAN_FRONTEND=noninteractive
    dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends linux-image-amd64 wine wine32:i386 wine64 libwine libwine:i386 fonts-wine
    apt-get clean
    rm -rf /var/lib/apt/lists/*' || status=$?
  umount "$root/sys" "$root/proc" "$root/dev"
  [ $status -eq 0 ] || return $status
  write_init "$root"
  local kernel
  kernel=$(ls "$root"/boot/vmlinuz-* | sort -V | tail -n 1)
  cp "$kernel" "$work/vmlinuz"
  cp "$root/boot/initrd.img-${kernel##*/vmlinuz-}" "$work/initrd.img"
  mkfs.ext4 -q -L emulated -d "$root" "$work/disk.img" 4G
  rm -rf "$root"
}

case "${1:-}" in
  path) echo "$image_dir" ;;
  make)
    if [ ! -f "$image_dir/disk.img" ]; then
      for tool in debootstrap mkfs.ext4; do
        command -v "$tool" >/dev/null || { echo "emulated-machine-image: $tool is missing" >&2; exit 1; }
      done
      mkdir -p "$cache_root"
      work=$(mktemp -d "$cache_root/.making-XXXXXX")
      trap 'for m in sys proc dev; do umount "$work/root/$m" 2>/dev/null; done; rm -rf "$work"' EXIT
      make_image "$work" >"$work.log" 2>&1 || {
        tail -n 30 "$work.log" >&2
        echo "emulated-machine-image: making the image failed (log in $work.log)" >&2
        exit 1
      }
      rm -f "$work.log"
      mv -T "$work" "$image_dir"
      trap - EXIT
      # Images of older recipes are never booted again.
      for old in "$cache_root"/bookworm-*; do [ "$old" = "$image_dir" ] || rm -rf "$old"; done
    fi
    echo "$image_dir"
    ;;
  *)
    echo "usage: emulated-machine-image.sh path|make" >&2
    exit 2
    ;;
esac
