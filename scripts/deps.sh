#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the GUI checks need,
# skipping the apt round trip when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-svg-dev
  libemf2svg-dev libwmf-dev fonts-urw-base35
  libpng-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-terminus xfonts-terminus console-setup-linux xfonts-utils pcf2bdf
  nasm binutils-m68k-linux-gnu binutils-avr
  clang-14 libclang-rt-14-dev clang-format clang-tidy-14 python3
  strace
  xvfb xauth imagemagick poppler-utils
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  desktop-file-utils appstream shared-mime-info libglib2.0-bin groff-base dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
