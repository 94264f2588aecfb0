#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the screenshots need; skips what is present.
# locales-all gives the tests a comma-decimal locale to prove number conversions ignore it.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libgif-dev
    libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev
    fonts-dejavu-core locales-all
    xvfb xauth imagemagick xdg-utils
    clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
