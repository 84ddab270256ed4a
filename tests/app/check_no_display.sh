#!/usr/bin/env bash
# The window wanted where no display answers, whatever the platform
# variables say and whether the check before Qt or Qt itself finds out: the
# program's one message and exit status 1, never Qt's abort.
#   check_no_display.sh ZELMORA ROSTER
set -uo pipefail
zelmora=$1
roster=$2
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
english="zelmora: no display to open the window on; --txt, --html, --json and --csv write reports without one"
japanese="zelmora: ウィンドウを開くディスプレイがありません。--txt、--html、--json、--csv ならディスプレイなしでレポートを書き出せます"

failed=0
check() {  # expected message, then the environment
  local expected=$1
  shift
  local err status
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u LANGUAGE \
    LC_ALL=C XDG_RUNTIME_DIR="$runtime" "$@" timeout 60 "$zelmora" "$roster" 2>&1 >/dev/null)
  status=$?
  if [[ $status -ne 1 || "$err" != "$expected" ]]; then
    echo "FAILED with $*: status $status, said: $err"
    failed=1
  fi
}

check "$english" QT_QPA_PLATFORM=xcb
check "$english" QT_QPA_PLATFORM="xcb:display=:97"
check "$english" WAYLAND_DISPLAY=wayland-stale
check "$english" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-stale
check "$english" QT_QPA_PLATFORM="wayland;xcb" WAYLAND_DISPLAY=wayland-stale
check "$english" QT_QPA_PLATFORM=no-such-platform   # Qt itself gives up
check "$japanese" LC_ALL=ja_JP.UTF-8 QT_QPA_PLATFORM=xcb
check "$japanese" LC_ALL=ja_JP.UTF-8 QT_QPA_PLATFORM=no-such-platform
exit $failed
