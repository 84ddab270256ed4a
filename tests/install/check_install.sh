#!/usr/bin/env bash
# Installs the build into a staging folder and checks the tree the way a
# desktop does: the desktop entry, the AppStream metadata, the roster MIME
# type and the icons.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage" >/dev/null
share=$stage/share
id=org.zelmora.calculator

test -x "$stage/bin/zelmora"
# The installed command line finds the window's program: without a display
# it is that program that declines.
test -x "$stage/libexec/zelmora/zelmora-window"
window_answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/bin/zelmora" 2>&1 || true)
[[ $window_answer == *"no display to open the window on"* ]] || { echo "$window_answer"; exit 1; }
desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Exec=zelmora %f' "$share/applications/$id.desktop"
grep -qx 'MimeType=application/x-zelmora-roster;' "$share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml"
# The only addresses are those of the screenshots, which are the pictures of docs/.
metainfo=$share/metainfo/$id.metainfo.xml
for picture in $(grep -o '<image>[^<]*' "$metainfo" | sed 's|.*/||'); do
  test -f "$(dirname "$0")/../../docs/$picture" || { echo "no docs/$picture"; exit 1; }
done
if grep -E 'https?://' "$metainfo" | grep -qv '<image>'; then
  echo "the AppStream metadata names a URL beside the screenshots"; exit 1
fi
# The manual pages, compressed as Debian keeps them, typeset without a word;
# the Japanese one where man-db looks for ja locales.
man_warnings=$(zcat "$share/man/man1/zelmora.1.gz" | groff -ww -man -z 2>&1)
man_warnings+=$(zcat "$share/man/ja/man1/zelmora.1.gz" | preconv | groff -ww -Tutf8 -man -z 2>&1)
[[ -z "$man_warnings" ]] || { echo "$man_warnings"; exit 1; }
test -s "$share/doc/zelmora/copyright"
test -s "$share/icons/hicolor/scalable/apps/$id.svg"
file_type=$(file -b "$share/icons/hicolor/48x48/apps/$id.png")
[[ $file_type == "PNG image data, 48 x 48,"* ]] || { echo "48x48 icon: $file_type"; exit 1; }

update-mime-database "$share/mime"
grep -qx 'application/x-zelmora-roster:\*\.qvr' "$share/mime/globs"
echo "installed tree is valid"
