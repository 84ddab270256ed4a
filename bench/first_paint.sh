#!/usr/bin/env bash
# Instructions to the first painted window: the calculator with the example
# roster against a minimal Qt dialog with one label, all under callgrind in
# one run, and their ratios. The label is either Latin ("ZELMORA") or the
# window's Japanese title; only the latter loads a Japanese font, as the
# window's first picture must, so its ratio is the fair one. Fails when that
# ratio is over LIMIT, where one is given. BUILD_DIR picks the build folder
# (build/dev).
#   first_paint.sh [LIMIT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/dev}
limit=${1:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_RUNTIME_DIR=$work \
  XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data

count() {
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "$build/bench/first_paint" "$@" \
    >/dev/null 2>"$work/log" || { cat "$work/log" >&2; return 1; }
  callgrind_annotate "$work/out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
}

window=$(count window "$root/examples/party.qvr")
latin=$(count dialog)
japanese=$(count dialog-ja)
echo "window:                 $window instructions"
echo "dialog, Latin label:    $latin instructions"
echo "dialog, Japanese label: $japanese instructions"
awk -v w="$window" -v l="$latin" -v j="$japanese" \
  'BEGIN { printf "ratio to Latin:    %.2f\nratio to Japanese: %.2f\n", w / l, w / j }'
[[ -z $limit ]] && exit 0
echo "limit of the ratio to Japanese: $limit"
awk -v w="$window" -v j="$japanese" -v l="$limit" 'BEGIN { exit !(w / j <= l) }'
