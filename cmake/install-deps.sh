#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, or only the packages it is
# given, and nothing when all of it is present already. Runs as root.
#   install-deps.sh [PACKAGE...]
set -euo pipefail

packages=("$@")
[ $# -gt 0 ] || packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev libicu-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 fonts-wine
  xvfb xauth xdotool x11-utils imagemagick procps doxygen
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing and installing them needs root" >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
