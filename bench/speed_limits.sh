#!/usr/bin/env bash
# The speed goals, as instructions counted by callgrind (stable on a busy
# machine, unlike time): runs every check of bench/ with its limit, says
# each figure and its limit, and fails when any is over. BUILD_DIR picks
# the build folder (build/dev), which must hold the benchmarks.
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=${BUILD_DIR:-$bench/../build/dev}
zelmora=$BUILD_DIR/app/zelmora

over=()
check() {
  local name=$1
  shift
  echo "== $name"
  "$@" || over+=("$name")
}

# The window's first picture against a minimal dialog with its Japanese
# title, offscreen and, where Xvfb is installed, on an X display; and one
# keystroke in a judgment value with its repaint.
check "first paint, offscreen" "$bench/first_paint.sh" 1.3
if command -v xvfb-run >/dev/null; then
  check "first paint, X" xvfb-run -a env QT_QPA_PLATFORM=xcb "$bench/first_paint.sh" 1.3
fi
check "keystroke" "$bench/keystroke.sh" 550000

# The command line against iconv on the same roster, and its peak memory,
# with the limits command_line_cost.sh holds.
check "command line" "$bench/command_line_cost.sh" "$zelmora" "$bench/../examples/party.qvr"

if [[ ${#over[@]} -gt 0 ]]; then
  printf 'over its limit: %s\n' "${over[@]}" >&2
  exit 1
fi
echo "every figure within its limit"
