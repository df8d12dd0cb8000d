#!/usr/bin/env bash
# Installs the Debian packages glossamo needs, only those missing.
# Runs `apt-get update` at most once, then one non-interactive install.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-gfx-dev libsdl2-ttf-dev
  libx11-dev libjpeg62-turbo-dev libpng-dev libcairo2-dev libcups2-dev libfreetype-dev
  fonts-dejavu-core timgm6mb-soundfont
  wfrench wamerican hunspell hunspell-fr hunspell-en-us hunspell-en-gb hunspell-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils zenity
  cups printer-driver-cups-pdf poppler-utils desktop-file-utils
  appstream lintian file
  chromium chromium-driver python3-selenium
  clang libclang-rt-14-dev llvm valgrind
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
