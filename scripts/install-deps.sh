#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tintora need.
# Idempotent: packages already present are not touched, and apt is not called at all then.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-base-dev-tools qt6-websockets-dev
    libgl-dev libxkbcommon-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcanberra-dev sound-theme-freedesktop
    libpng-dev libjpeg-dev libgif-dev
    xvfb openbox wmctrl xdotool xclip x11-utils imagemagick
    fonts-ipafont-gothic qt6-translations-l10n
    desktop-file-utils appstream
    chromium
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
