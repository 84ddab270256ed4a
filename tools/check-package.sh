#!/usr/bin/env bash
# Builds the Debian package in a build folder and checks it: lintian finds
# no error, the file name and the control fields are as they should be, and
# the package holds exactly the tree `cmake --install` makes under /usr.
#   tools/check-package.sh [BUILD_DIR]     (default: build/dev)
set -euo pipefail
build=$(cd "${1:-build/dev}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

version=$("$build/app/zelmora" --version | cut -d' ' -f2)
deb=$build/zelmora_${version}_$(dpkg --print-architecture).deb
rm -f "$build"/zelmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
[[ -f "$deb" ]] || { echo "no package named $(basename "$deb")"; ls "$build"/*.deb; exit 1; }

# lintian refuses to run as root without a word; its errors fail the check.
lintian --fail-on error --tag-display-limit 0 "$deb" 2> >(grep -v 'root privileges' >&2)

field() { dpkg-deb --field "$deb" "$1"; }
depends=$(field Depends)
for needed in fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6; do
  [[ "$depends" == *"$needed"* ]] || { echo "Depends lacks $needed: $depends"; exit 1; }
done
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
"$work/root/usr/bin/zelmora" --version | grep -qx "zelmora $version"
echo "$(basename "$deb"): lintian clean of errors, $(wc -l < "$work/packaged") files as installed"
