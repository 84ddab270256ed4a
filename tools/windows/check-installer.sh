#!/usr/bin/env bash
# Installs and uninstalls the Windows installer under Wine as a user would,
# in a fresh Wine prefix of its own, and fails on the first thing amiss:
#   tools/windows/check-installer.sh SETUP.exe STAGE WORK OLDER.exe
# SETUP is the installer, STAGE the folder it installs (the zip's), WORK a
# folder for the prefix and the screenshots (emptied first), OLDER an
# installer of an older version with one file more, which SETUP updates.
# Without a display it runs itself under xvfb-run with openbox, as a desktop
# would. ZELMORA_TRACE=1 shows each command.
set -euo pipefail
[[ -n "${ZELMORA_TRACE:-}" ]] && set -x
setup=$(realpath "$1")
stage=$(realpath "$2")
work=$3
older=$(realpath "$4")
product="ZELMORA 確率計算プログラム"
version=$(sed -n 's/^project(zelmora VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")

if [[ -z "${ZELMORA_CHECK_DESKTOP:-}" ]]; then
  rm -rf "$work"
  mkdir -p "$work"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env ZELMORA_CHECK_DESKTOP=1 "$0" "$@"
fi
work=$(realpath "$work")

fail() {
  echo "check-installer: $*" >&2
  exit 1
}
step() { echo "check-installer: $*"; }

# A prefix and a home of the check's own: Wine links the profile's folders
# to the home's, and winemenubuilder would put the shortcut and the
# association into the desktop's menus; neither may reach the machine's.
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8
# The installed program must find its DLLs by itself.
unset WINEPATH
mkdir -p "$HOME"
openbox >/dev/null 2>&1 &
desktop=$!
trap 'wineserver -k 2>/dev/null || true; kill $desktop 2>/dev/null || true' EXIT
wineboot -i >/dev/null 2>&1

# A Windows environment variable as a path here.
folder_of() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')" 2>/dev/null; }
# A registry key as text (UTF-8), or nothing where there is no such key.
registry() {
  rm -f "$work/key.reg"
  wine reg export "$1" "$(winepath -w "$work/key.reg")" >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r'
}
# Waits up to 60 s for a visible window whose title holds $1; prints its id.
window_titled() {
  local id
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.5
  done
  echo "check-installer: the windows shown:" >&2
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do xdotool getwindowname "$id" >&2; done
  return 1
}
# Closes the window as a user does (Alt+F4) and waits until it is gone.
close_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xdotool key alt+F4
  for _ in $(seq 60); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    sleep 0.5
  done
  fail "the window '$2' did not close on Alt+F4"
}
installed_files() { (cd "$1" && find . -type f | LC_ALL=C sort); }

local_app_data=$(folder_of LOCALAPPDATA)
app_data=$(folder_of APPDATA)
install_dir=$local_app_data/Programs/zelmora
shortcut="$app_data/Microsoft/Windows/Start Menu/Programs/$product.lnk"
classes='HKCU\Software\Classes'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\zelmora'

step "an older version, installed silently"
wine "$older" /S
[[ -f "$install_dir/examples/older.txt" ]] || fail "the older version is not installed in $install_dir"
registry "$uninstall_key" | grep -F '"DisplayVersion"="0.9"' >/dev/null || fail "the older version is not listed"

step "silent install over it: the update takes its place"
wine "$setup" /S
diff <({ installed_files "$stage"; echo ./uninstall.exe; } | LC_ALL=C sort) <(installed_files "$install_dir") \
  || fail "the installed files differ from the zip's (above); the older version's must be gone"
cmp -s "$stage/zelmora.exe" "$install_dir/zelmora.exe" || fail "zelmora.exe differs from the zip's"

step "notices"
# Every DLL shipped is named in the notices, with what it bundles.
while IFS= read -r dll; do
  grep -q "$(basename "$dll")" "$install_dir/THIRD-PARTY-NOTICES.txt" || fail "the notices do not name $dll"
done < <(find "$stage" -name "*.dll")

step "the command line in cmd: zelmora is zelmora.com, exit status included"
# cmd waits for a console program and takes its exit status; for the window's
# program it would do neither.
printf '@echo off\r\ncd /d "%s"\r\nzelmora --txt - examples\\party.qvr\r\necho status %%ERRORLEVEL%%\r\nzelmora --evasion 0,1 examples\\party.qvr\r\necho status %%ERRORLEVEL%%\r\n' \
  "$(winepath -w "$install_dir")" > "$work/command-line.bat"
wine cmd /c "$(winepath -w "$work/command-line.bat")" > "$work/command-line.out" 2>&1 || true
grep -q "期待ダメージ" "$work/command-line.out" || fail "no report in cmd: $(cat "$work/command-line.out")"
[[ "$(grep -a "^status" "$work/command-line.out" | tr -d '\r' | tr '\n' ' ')" == "status 0 status 2 " ]] \
  || fail "exit statuses in cmd: $(grep -a "^status" "$work/command-line.out")"

step "Start-menu entry"
[[ -f "$shortcut" ]] || fail "no Start-menu entry at $shortcut"
# The entry starts the window's program, a program for the desktop (no console).
grep -qa "zelmora.exe" "$shortcut" || iconv -f UTF-16LE -t UTF-8 "$shortcut" 2>/dev/null | grep -a "zelmora.exe" >/dev/null \
  || fail "the Start-menu entry does not start zelmora.exe"
x86_64-w64-mingw32-objdump -p "$install_dir/zelmora.exe" | grep "Subsystem.*(Windows GUI)" >/dev/null \
  || fail "zelmora.exe would open a console"
x86_64-w64-mingw32-objdump -p "$install_dir/zelmora.com" | grep "Subsystem.*(Windows CUI)" >/dev/null \
  || fail "zelmora.com is not the console program"

step "association and programs list"
registry "$classes\\.qvr" | grep -x '@="zelmora.roster"' >/dev/null || fail ".qvr is not associated"
open_command=$(registry "$classes\\zelmora.roster\\shell\\open\\command")
grep -qF 'zelmora\\zelmora.exe\" \"%1\""' <<<"$open_command" || fail "opening a roster: $open_command"
registry "$classes\\zelmora.roster\\DefaultIcon" | grep -F 'zelmora.exe,0"' >/dev/null || fail "a roster has not the program's icon"
entry=$(registry "$uninstall_key")
for value in "\"DisplayName\"=\"$product\"" "\"DisplayVersion\"=\"$version\"" '"Publisher"=' \
  '"DisplayIcon"=' '"QuietUninstallString"='; do
  grep -qF "$value" <<<"$entry" || fail "the programs list entry lacks $value"
done

step "a roster with a Japanese name and path opens with a double-click"
# Windows reads the user's classes over the machine's as HKEY_CLASSES_ROOT;
# Wine 8 reads the machine's alone (its bug 14771). The keys the installer
# wrote for the user are copied to the machine's classes, unchanged, so that
# `wine start` follows them as Windows would; they go again after the check.
for key in .qvr zelmora.roster; do
  registry "$classes\\$key" | sed 's/^\[HKEY_CURRENT_USER\\Software\\Classes\\/[HKEY_LOCAL_MACHINE\\Software\\Classes\\/' \
    | iconv -f UTF-8 -t UTF-16 > "$work/machine.reg"
  wine regedit /S "$(winepath -w "$work/machine.reg")"
done
rosters="$(winepath -u 'C:\')ゲームの資料"
mkdir -p "$rosters"
cp "$stage/examples/party.qvr" "$rosters/一行目の名簿.qvr"
touch "$work/before-window"
wine start "$(winepath -w "$rosters/一行目の名簿.qvr")"
id=$(window_titled "\.qvr") || fail "the double-clicked roster opened no window"
title=$(xdotool getwindowname "$id")
[[ "$title" == *"— 一行目の名簿.qvr"* ]] || fail "the window is not titled with the roster's name: $title"
sleep 1
import -window root "$work/roster-window.png"
close_window "$id" "一行目の名簿.qvr"

step "the Start-menu entry starts the window"
wine start "$(winepath -w "$shortcut")"
id=$(window_titled "$product") || fail "the Start-menu entry opened no window"
sleep 1
import -window root "$work/start-menu-window.png"
close_window "$id" "$product"

step "a second install replaces the first in place"
wine "$setup" /S
wineserver -w
diff <({ installed_files "$stage"; echo ./uninstall.exe; } | LC_ALL=C sort) <(installed_files "$install_dir") \
  || fail "after installing again the files differ (above)"

# What is the user's: the rosters, the kept table and settings the window
# wrote, and a roster saved into the program's folder.
cp "$stage/examples/party.qvr" "$install_dir/自分の名簿.qvr"
window_data=$( (find "$local_app_data/zelmora" "$app_data" -type f -newer "$work/before-window" 2>/dev/null \
  | grep -v -e "/Microsoft/" || true) | LC_ALL=C sort)
[[ -n "$window_data" ]] || fail "the window kept no table or settings to keep"
user_data="$window_data"$'\n'"$rosters/一行目の名簿.qvr"

for key in .qvr zelmora.roster; do wine reg delete "HKLM\\Software\\Classes\\$key" /f >/dev/null; done

step "silent uninstall"
wine "$install_dir/uninstall.exe" /S
# The uninstaller runs from a copy in the temporary folder and returns at
# once: the Wine server ends when it has.
wineserver -w
[[ "$(installed_files "$install_dir")" == "./自分の名簿.qvr" ]] \
  || fail "the program's folder holds more than the user's roster: $(installed_files "$install_dir")"
[[ ! -e "$shortcut" ]] || fail "the Start-menu entry is still there"
for key in "$classes\\.qvr" "$classes\\zelmora.roster" "$classes\\Applications\\zelmora.exe" "$uninstall_key"; do
  [[ -z "$(registry "$key")" ]] || fail "the registry still holds $key"
done
while IFS= read -r file; do
  [[ -f "$file" ]] || fail "uninstalling removed the user's $file"
done <<<"$user_data"
step "passed; screenshots in $work"
