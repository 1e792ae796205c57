#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test;
# with --packaging also the tools that build and check the Debian package.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qtbase5-dev qtbase5-private-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev qttools5-dev-tools
  libqt5serialbus5-dev libqt5serialport5-dev libqt5svg5 qt5-image-formats-plugins
  qttranslations5-l10n libqt5charts5-dev
  clang libclang-rt-14-dev llvm
  fonts-dseg fonts-dejavu-core xvfb xauth file
  libmodbus-dev
)

# Building and checking the Debian package (scripts/package.sh) needs more.
if [ "${1:-}" = "--packaging" ]; then
  packages+=(dpkg-dev fakeroot file lintian desktop-file-utils appstream)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  [ "$(id -u)" -eq 0 ] && SUDO="" || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
