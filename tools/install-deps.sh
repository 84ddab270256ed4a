#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need,
# asking apt only for those that are missing. With --fuzz, also the
# compiler and runtimes of the fuzz targets.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libxcb1-dev locales-all
  fonts-ipafont-gothic
  xvfb xauth
  desktop-file-utils appstream shared-mime-info file
  qt6-translations-l10n                     # Qt's own texts in Japanese
  clang-format clang-tidy                   # style and lint checks
  python3 groff-base dpkg-dev lintian attr acl  # data, manual page, package, file tests
)
# ./test.sh --all also fuzzes, with clang and its sanitizer and libFuzzer
# runtimes, and cross-builds for Windows, testing under Wine and zipping.
[[ "${1:-}" == "--fuzz" ]] && packages+=(clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev mingw-w64-tools
  wine wine64 qt6-base-dev-tools zip)

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
