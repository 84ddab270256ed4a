#!/usr/bin/env bash
# Instructions to the first painted window: the calculator with the example
# roster against a minimal Qt dialog with one label, both under callgrind in
# one run, and their ratio. BUILD_DIR picks the build folder (build/dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/dev}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_RUNTIME_DIR=$work \
  XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data

count() {
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "$build/bench/first_paint" "$@" \
    >/dev/null 2>&1
  callgrind_annotate "$work/out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
}

window=$(count window "$root/examples/party.qvr")
dialog=$(count dialog)
echo "window: $window instructions"
echo "dialog: $dialog instructions"
awk -v w="$window" -v d="$dialog" 'BEGIN { printf "ratio:  %.2f\n", w / d }'
