#!/usr/bin/env bash
# Places Qt for MinGW at /opt/qt6-mingw-6.4.2, built by build-qt-mingw.sh.
# Builds are cached as tarballs keyed by the Qt version and the recipe's
# checksum; a seed built elsewhere (ZELMORA_QT_SEED, a folder holding
# build-qt-mingw.sh and its tarball) is used only when its recipe is ours.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=/opt/qt6-mingw-6.4.2
recipe=$here/build-qt-mingw.sh
key=$(sha256sum "$recipe" | cut -c1-16)
cache=${ZELMORA_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zelmora}
tarball=$cache/qt6-mingw-6.4.2-$key.tar.xz
seed=${ZELMORA_QT_SEED:-/work/shared/windows}
stamp=$prefix/.zelmora-recipe

[[ -f $stamp && $(cat "$stamp") == "$key" ]] && exit 0
mkdir -p "$cache"
if [[ ! -f $tarball ]]; then
  if [[ -f $seed/build-qt-mingw.sh && -f $seed/qt6-mingw-6.4.2.tar.xz ]] &&
    cmp -s "$seed/build-qt-mingw.sh" "$recipe"; then
    echo "Qt for MinGW: the seed in $seed matches the recipe"
    cp "$seed/qt6-mingw-6.4.2.tar.xz" "$tarball.part"
  else
    echo "Qt for MinGW: building with $recipe (about 25 minutes of CPU)"
    built=$(mktemp -d)
    "$recipe" "$built"
    mv "$built/qt6-mingw-6.4.2.tar.xz" "$tarball.part"
    rmdir "$built"
  fi
  mv "$tarball.part" "$tarball"
fi
rm -rf "$prefix"
tar -C / -xJf "$tarball"
# Qt's own Japanese texts, from Debian's package of the same Qt version.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
echo "$key" > "$stamp"
