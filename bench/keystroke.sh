#!/usr/bin/env bash
# Instructions of one keystroke in a judgment value with its repaint, the
# average over COUNT keystrokes (20 unless given) counted by callgrind in
# bench/keystroke's TypeKeystrokes alone. Fails when it is over LIMIT
# instructions, where one is given. BUILD_DIR picks the build folder
# (build/dev).
#   keystroke.sh [LIMIT [COUNT]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/dev}
limit=${1:-}
count=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work \
  XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data

valgrind --tool=callgrind --callgrind-out-file="$work/out" --collect-atstart=no \
  --toggle-collect='*TypeKeystrokes*' "$build/bench/keystroke" "$count" >/dev/null 2>"$work/log" ||
  { cat "$work/log" >&2; exit 1; }
total=$(sed -n 's/^totals: //p' "$work/out")
each=$((total / count))
echo "one keystroke with its repaint: $each instructions${limit:+ (limit $limit)}"
[[ -z $limit || $each -le $limit ]]
