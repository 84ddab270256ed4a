#!/usr/bin/env bash
# Builds the Debian package as Debian builds one and checks it: the compiler
# and linker flags of dpkg-buildflags (fortify, stack protector, relro,
# bind-now), no tests; lintian --pedantic finds nothing to say; the control
# fields are as they should be; the package holds exactly the tree
# `cmake --install` makes under /usr, and what it holds runs.
#   tools/check-package.sh       builds build/package/zelmora_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tools/install-deps.sh --tests  # dpkg-dev and lintian beside what the build needs

flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake --preset package -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build --preset package
build=$PWD/build/package

version=$("$build/app/zelmora" --version | cut -d' ' -f2)
deb=$build/zelmora_${version}_$(dpkg --print-architecture).deb
rm -f "$build"/zelmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
[[ -f "$deb" ]] || { echo "no package named $(basename "$deb")"; ls "$build"/*.deb; exit 1; }

# lintian refuses to run as root without a word; anything else it says fails.
said=$(lintian --pedantic -E -I --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' || true)
[[ -z "$said" ]] || { echo "$said"; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
depends=$(field Depends)
for needed in fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6; do
  [[ "$depends" == *"$needed"* ]] || { echo "Depends lacks $needed: $depends"; exit 1; }
done
[[ $(field Section) == games ]] || { echo "section $(field Section), not games"; exit 1; }
[[ $(field Description | wc -l) -gt 2 ]] || { echo "no long description"; exit 1; }

# The same files as an install under /usr.
cmake --install "$build" --prefix "$work/stage/usr" >/dev/null
(cd "$work/stage" && find . ! -type d | sort) > "$work/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort > "$work/packaged"
if ! diff -u "$work/installed" "$work/packaged"; then
  echo "the package and cmake --install differ (- installed, + packaged)"
  exit 1
fi

# What is packaged runs.
dpkg-deb --extract "$deb" "$work/root"
"$work/root/usr/games/zelmora" --version | grep -qx "zelmora $version"
# Installed and removed as the README tells a user: apt installs it with what
# it depends on; the program, its manual page and its menu entry are in place;
# removing it leaves none of its files. A copy the machine already had is left.
if [[ $(dpkg-query -W -f='${Status}' zelmora 2>/dev/null || true) != "install ok installed" ]]; then
  sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  apt() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -y -q "$@" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }; }
  apt install "$deb"
  /usr/games/zelmora --version | grep -qx "zelmora $version"
  man -w zelmora >/dev/null
  [[ -f /usr/share/applications/org.zelmora.calculator.desktop ]] || { echo "no menu entry installed"; exit 1; }
  apt remove zelmora
  left=$(sed -n 's|^\./|/|p' "$work/installed" | while read -r file; do if [[ -e $file ]]; then echo "$file"; fi; done)
  [[ -z "$left" ]] || { echo "removing the package left: $left"; exit 1; }
fi
echo "$(basename "$deb"): lintian --pedantic silent, $(wc -l < "$work/packaged") files as installed, installs and removes"
