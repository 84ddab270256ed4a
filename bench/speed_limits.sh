#!/usr/bin/env bash
# The speed goals, as instructions counted by callgrind (stable on a busy
# machine, unlike time): runs every check of bench/ with its limit, says
# each figure and its limit, and fails when any is over. BUILD_DIR picks
# the build folder (build/dev), which must hold the benchmarks.
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=${BUILD_DIR:-$bench/../build/dev}
zelmora=$BUILD_DIR/app/zelmora
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bench/../examples/party.qvr" "$work/party.qvr"
"$bench/large_roster.sh" "$work/party.qvr" "$work/large.qvr"

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

# The command line against iconv on the same roster: the example roster,
# and about 1 MB of double-byte names, where the conversions dominate. Both
# run in the users' locale, which iconv's cost depends on.
export LC_ALL=ja_JP.UTF-8
while read -r roster limit reports; do
  check "command line, $roster, $reports" \
    "$bench/command_line_ratio.sh" "$zelmora" "$work/$roster" "$limit" $reports
done <<LIMITS
party.qvr  2    txt
party.qvr  9    json
party.qvr  10   txt html csv json
large.qvr  75   txt
large.qvr  115  txt html csv json
LIMITS

if [[ ${#over[@]} -gt 0 ]]; then
  printf 'over its limit: %s\n' "${over[@]}" >&2
  exit 1
fi
echo "every figure within its limit"
