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
id=org.zelmora.Calculator

test -x "$stage/bin/zelmora"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Exec=zelmora %f' "$share/applications/$id.desktop"
grep -qx 'MimeType=application/x-zelmora-roster;' "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
test -s "$share/icons/hicolor/scalable/apps/$id.svg"
file_type=$(file -b "$share/icons/hicolor/48x48/apps/$id.png")
[[ $file_type == "PNG image data, 48 x 48,"* ]] || { echo "48x48 icon: $file_type"; exit 1; }

update-mime-database "$share/mime"
grep -qx 'application/x-zelmora-roster:\*\.qvr' "$share/mime/globs"
echo "installed tree is valid"
