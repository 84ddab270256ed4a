#!/usr/bin/env bash
# Runs the README's commands as a newcomer types them, on a fresh clone of the
# committed tree: `./run.sh examples/party.qvr` must build the program and open
# its window titled with the roster (closed again by Escape, as a user closes
# it), and the command-line example must print what the README shows.
# Under a real X server (Xvfb) with a window manager, as a desktop has.
#   tools/check-newcomer.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# The block a README section shows after a line, up to the closing fence.
shown_after() { awk -v line="$2" 'found && /^```/ { exit } found { print } $0 == line { found = 1 }' "$1"; }

# Inside the display: ./run.sh in the clone, its window found and closed.
window_check() {
  local work=$1
  cd "$work/zelmora"
  openbox >/dev/null 2>&1 &
  ./run.sh examples/party.qvr >"$work/run.log" 2>&1 &
  local program=$!
  local window=""
  # The first run builds the program: allow it the build's time.
  for _ in $(seq 1800); do
    window=$(xdotool search --onlyvisible --name 'party\.qvr' 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 1
  done
  if [[ -z "$window" ]]; then
    echo "./run.sh examples/party.qvr showed no window titled with the roster:"
    cat "$work/run.log"
    return 1
  fi
  echo "window: $(xdotool getwindowname "$window")"
  xdotool windowactivate --sync "$window"
  xdotool key Escape
  local status=0
  timeout 30 tail --pid="$program" -f /dev/null || { echo "Escape did not close the window"; return 1; }
  wait "$program" || status=$?
  [[ $status -eq 0 ]] || { echo "the window ended with status $status"; cat "$work/run.log"; return 1; }
}
if [[ "${1:-}" == --in-display ]]; then
  window_check "$2"
  exit
fi

source=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tools/install-deps.sh --tests  # Xvfb, openbox and xdotool
git clone -q "$source" "$work/zelmora"
# The newcomer's own home: the kept table and settings of this run stay here.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
mkdir -p "$HOME"
xvfb-run -a -s "-screen 0 1366x768x24" "$source/tools/check-newcomer.sh" --in-display "$work"

# The command-line example, run as each README writes it in its language, with
# the program run.sh built. The report's lines end in CR LF, which a README
# cannot show.
command='$ zelmora --evasion 0,2,1,2,2 --txt - examples/party.qvr'
for readme in README.md:ja_JP.UTF-8 README.en.md:en_US.UTF-8; do
  diff -u <(shown_after "${readme%%:*}" "$command") \
    <(cd "$work/zelmora" && PATH=$PWD/build/default/app:$PATH LANG=${readme#*:} \
      bash -c "${command#\$ }" | tr -d '\r') ||
    { echo "${readme%%:*}: the example prints otherwise (- README, + program)"; exit 1; }
done
echo "./run.sh examples/party.qvr opened the window; the READMEs' example prints as shown"
