#!/usr/bin/env bash
# Builds zelmora.exe (the window), zelmora.com (the command line) and their
# tests for 64-bit Windows with MinGW-w64, runs the suite under Wine, and packs
# zelmora-VERSION-windows-x86_64.zip: the programs, the Qt and MinGW DLLs they need, Qt's Japanese texts, the example
# roster, a README and the notices the DLLs owe. It then makes the installer
# zelmora-VERSION-windows-x86_64-setup.exe of the same files and checks it
# under Wine (tools/windows/check-installer.sh). The last two lines printed
# are the paths of the zip and of the installer.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
qt=/opt/qt6-mingw-6.4.2
build=$root/build/windows
mingw_dlls=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

tools/windows/qt-mingw.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

# Wine: a prefix of the build's own, quiet, without the .NET and HTML
# installers' prompts, finding Qt's and MinGW's DLLs. The server and one
# first program start here: ctest would wait on the server's open pipe, and
# each test would pay for starting Wine. The server must be this script's
# own and persistent: one left running by an earlier command ends a few
# seconds after its last program, and a test program that starts while it
# ends fails at once, before its first line.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "${mingw_dlls[0]}");$(winepath -w "${mingw_dlls[1]}")"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p
wine cmd /c exit
# Every test runs, once: a test that cannot run on Windows skips itself and
# says why.
ctest --preset windows

# The zip: stripped program and DLLs, Qt's plugins beside them.
version=$(sed -n 's/^project(zelmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=zelmora-$version-windows-x86_64
stage=$build/$name
rm -rf "$stage" "$build/$name.zip"
mkdir -p "$stage"/{platforms,styles,translations,examples,LICENSES}
cp "$build/app/zelmora.exe" "$build/app/zelmora.com" "$stage/"
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do cp "$qt/bin/$dll.dll" "$stage/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
for dll in libstdc++-6 libgcc_s_seh-1 libwinpthread-1; do
  cp "$(find "${mingw_dlls[@]}" -maxdepth 1 -name "$dll.dll" | head -1)" "$stage/"
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.com "$stage"/*.dll "$stage"/*/*.dll
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
cp examples/party.qvr "$stage/examples/"
cp /usr/share/common-licenses/{LGPL-3,GPL-3} "$stage/LICENSES/"
# How the Qt DLLs were made, beside the licence that asks for it.
cp tools/windows/build-qt-mingw.sh "$stage/LICENSES/"
cp tools/windows/qt.conf "$stage/"
# Notepad reads UTF-8 surely with a byte order mark, and lines end in CR LF.
for text in README.txt THIRD-PARTY-NOTICES.txt; do
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "tools/windows/$text"; } > "$stage/$text"
done
(cd "$build" && zip -qr9 "$name.zip" "$name")

# The installer of the same files. Its lists of files to install and to
# remove come from the staged folder, so that uninstalling removes exactly
# what was installed; folders go deepest first, and only when empty.
installer=$build/installer
rm -rf "$installer"
mkdir -p "$installer"
for size in 16 256; do
  convert -background none resources/icons/zelmora.svg -resize "${size}x$size" -depth 8 "PNG32:$installer/zelmora-$size.png"
done
icotool -c -o "$installer/setup.ico" "$installer/zelmora-16.png" resources/icons/zelmora-{32,48}.png \
  -r "$installer/zelmora-256.png"
# make_installer VERSION STAGE SETUP
make_installer() {
  local lists
  lists=$(mktemp -d "$installer/lists.XXXX")
  while IFS= read -r folder; do
    inside=${folder#.}
    echo "SetOutPath \"\$INSTDIR${inside//\//\\}\""
    find "$2/$folder" -maxdepth 1 -type f | LC_ALL=C sort | sed 's/.*/File "&"/'
  done < <(cd "$2" && find . -type d | LC_ALL=C sort) > "$lists/install.nsh"
  {
    (cd "$2" && find . -type f | LC_ALL=C sort) | sed 's|^\./||; s|/|\\|g; s/.*/Delete "$INSTDIR\\&"/'
    (cd "$2" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | sed 's|^\./||; s|/|\\|g; s/.*/RMDir "$INSTDIR\\&"/'
  } > "$lists/uninstall.nsh"
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$1" -DSTAGE="$2" -DINSTALL="$lists/install.nsh" \
    -DUNINSTALL="$lists/uninstall.nsh" -DSIZE_KB="$(du -sk "$2" | cut -f1)" \
    -DICON="$installer/setup.ico" -DOUTFILE="$3" tools/windows/zelmora.nsi
}
setup=$build/$name-setup.exe
make_installer "$version" "$stage" "$setup"
# An older version for the check to update from, with a file the update
# must take away.
cp -r "$stage" "$installer/older"
echo "only in the older version" > "$installer/older/examples/older.txt"
make_installer 0.9 "$installer/older" "$installer/older-setup.exe"
tools/windows/check-installer.sh "$setup" "$stage" "$build/installer-check" "$installer/older-setup.exe"

echo "$build/$name.zip"
echo "$setup"
