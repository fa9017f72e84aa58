#!/usr/bin/env bash
# setup_debian.sh -- installs the Debian 12 packages the builds and tests need, when missing.
# Run as root (CI and a fresh machine); otherwise it only reports what is missing.
set -u
PACKAGES=(
  cmake make g++ pkg-config git
  libgtest-dev libosmesa6-dev mesa-common-dev
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64
  wixl msitools icoutils
  wine wine64 xvfb xdotool x11-utils xauth imagemagick
  clang libclang-rt-14-dev
  python3 python3-pil fonts-dejavu-core
  iproute2 util-linux nftables
  libcpp-httplib-dev libsqlite3-dev chromium
)
missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages (run as root to install them): ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
# A failing package index is not fatal: the packages may still be found.
apt-get update || true
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
