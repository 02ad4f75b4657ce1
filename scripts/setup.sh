#!/usr/bin/env bash
# Installs what both builds need on Debian 12. Idempotent: apt is only asked
# when a package is missing, so a second run costs a dpkg query.
set -euo pipefail

packages=(
  cmake g++ make googletest                       # host build and its tests
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # Windows build
  wine wine64 fonts-wine                          # running it
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei  # headless display, screenshots, CJK
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: must run as root to install packages" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q </dev/null
  apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi
