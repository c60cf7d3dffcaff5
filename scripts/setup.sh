#!/usr/bin/env bash
# Installs the Debian packages that the build on Qt 5 and on Qt 6, the tests, the
# headless run, the Debian package with its check and the fuzz targets need.
# Idempotent and non-interactive; quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools libqcustomplot-dev libxlsxwriter-dev zlib1g-dev
  qttranslations5-l10n
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqcustomplot2.1-qt6
  qt6-translations-l10n
  fontconfig fonts-dejavu-core fonts-liberation2 xvfb xauth x11-utils imagemagick poppler-utils python3-openpyxl socat
  dpkg-dev desktop-file-utils appstream
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}"
