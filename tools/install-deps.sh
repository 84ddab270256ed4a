#!/usr/bin/env bash
# Installs the Debian packages that are missing, asking apt only for those.
#   tools/install-deps.sh           what building and running the program needs
#   tools/install-deps.sh --tests   also what the tests, the benchmarks and the checks need
#   tools/install-deps.sh --fuzz    also the compiler and runtimes of the fuzz targets
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libxcb1-dev
  fonts-ipafont-gothic                      # the Japanese window's font
  qt6-translations-l10n                     # Qt's own texts in Japanese
)
tests=(
  libgtest-dev libbenchmark-dev
  locales-all xvfb xauth                    # locales and a display for the window tests
  openbox xdotool                           # a desktop's focus and a user's keys (README check)
  desktop-file-utils appstream shared-mime-info file
  clang-format clang-tidy                   # style and lint checks
  python3 groff-base man-db dpkg-dev lintian attr acl  # data, manual pages, package, file tests
  valgrind                                  # the speed limits, counted in instructions
)
# ./test.sh --all also fuzzes, with clang and its sanitizer and libFuzzer
# runtimes, and cross-builds for Windows, testing under Wine, zipping, and
# making the installer and trying it on a desktop under Wine.
fuzz=(clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev mingw-w64-tools
  wine wine64 qt6-base-dev-tools zip
  nsis icoutils imagemagick)

case "${1:-}" in
  "") ;;
  --tests) packages+=("${tests[@]}") ;;
  --fuzz) packages+=("${tests[@]}" "${fuzz[@]}") ;;
  *) echo "usage: tools/install-deps.sh [--tests | --fuzz]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
