#!/usr/bin/env bash
# Installs the Debian packages Quirelle needs to build, run and test.
# Does nothing when every package is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
  libjpeg62-turbo-dev libpng-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  zbar-tools xvfb xauth xdotool openbox x11-utils imagemagick poppler-utils python3
  at-spi2-core python3-pyatspi dbus-x11
  cups cups-client cups-bsd printer-driver-cups-pdf
  clang libfuzzer-14-dev
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info libxml2-utils libglib2.0-bin man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
