#!/usr/bin/env bash
# Installs the Debian packages of the named sets; skips what is present.
# Usage: scripts/install-deps.sh [run] [test] [clang]   (no set: all three)
#   run    the compiler, CMake, Ninja, Qt and giflib, to build and start the programs, with the
#          fonts they draw with and xdg-utils to open pages in the web browser;
#   test   GoogleTest, Google Benchmark and nlohmann-json for the tests, benchmarks and developer
#          tools, Xvfb and ImageMagick for screenshots, and locales-all, which gives the tests a
#          comma-decimal locale to prove number conversions ignore it;
#   clang  clang with the sanitizer and fuzzer runtime of the clang++ it calls, and the symbolizer
#          for readable sanitizer reports.
set -euo pipefail

run_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libgif-dev
    fonts-dejavu-core xdg-utils
)
test_packages=(
    libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev
    locales-all xvfb xauth imagemagick
)

sets=("$@")
[ ${#sets[@]} -eq 0 ] && sets=(run test clang)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
updated=no

# Installs those of the packages that are not installed yet.
install_missing() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if [ "$updated" = no ]; then
        "${sudo_cmd[@]}" apt-get update -qq
        updated=yes
    fi
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
        --no-install-recommends "${missing[@]}"
}

wanted=()
with_clang=no
for set in "${sets[@]}"; do
    case "$set" in
        run) wanted+=("${run_packages[@]}") ;;
        test) wanted+=("${test_packages[@]}") ;;
        clang) with_clang=yes ;;
        *)
            echo "install-deps.sh: unknown set '$set' (run, test, clang)" >&2
            exit 2
            ;;
    esac
done
install_missing "${wanted[@]}"

if [ "$with_clang" = yes ]; then
    # The sanitizer and fuzzer runtime must be the one of the clang++ the builds call, whichever
    # version that is; Debian's default clang is installed when there is none.
    command -v clang++ >/dev/null || install_missing clang
    major=$(clang++ -dumpversion | cut -d. -f1)
    install_missing "libclang-rt-$major-dev" llvm
fi
