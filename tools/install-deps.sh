#!/usr/bin/env bash
# Installs the Debian packages the game, its asset generators and its tests need, only those
# that are missing. Run as root, or as a user with sudo.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    libglfw3-dev libgl-dev libgl1-mesa-dri libopenal-dev libstb-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcairo2-dev libpng-dev libfreetype-dev librsvg2-dev fonts-sil-andika fonts-comic-neue fonts-dancingscript
    hunspell hunspell-fr
    xvfb xauth xdotool imagemagick x11-utils locales
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Paquets manquants / missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt_get=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
    apt_get=(sudo apt-get)
else
    echo "Lancez en root / run as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
