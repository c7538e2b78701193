#!/usr/bin/env bash
# Installs the Debian packages Mevrolin needs to build, run and test. Idempotent: when every
# package is already present it asks apt nothing and returns at once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-urw-base35 fontconfig
  clang libclang-rt-14-dev clang-format
  xvfb xauth openbox xdotool
  desktop-file-utils appstream lintian man-db  # the package check
  poppler-utils  # pdftoppm: the printing tests read their PDF back as pixels
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
