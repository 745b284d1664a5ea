#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need,
# when any of them is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  fonts-dejavu-core desktop-file-utils appstream poppler-utils
  shared-mime-info xdg-utils libfile-mimeinfo-perl dpkg-dev file lintian
  xvfb openbox xdotool x11-utils
  libgif-dev imagemagick chromium
)
if [ "${1:-}" = "--runtime" ]; then
  packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-svg-dev
    libgif-dev fonts-dejavu-core)
elif [ "${1:-}" = "--package" ]; then
  # Building the Debian package: the program's build, then dpkg-buildflags
  # and dpkg-shlibdeps (dpkg-dev) and file, with which CPack finds the programs.
  packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev libgif-dev dpkg-dev file)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
