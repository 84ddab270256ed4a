#!/usr/bin/env bash
# Screenshots of the calculator window with the example roster loaded and of
# every dialog with an example, taken under a virtual X server into docs/.
# BUILD_DIR picks a build folder; the default is the "dev" preset's (the
# screenshot program shares the test helpers, which the "default" preset
# leaves out).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

for tool in xvfb-run import xdotool; do
  command -v "$tool" >/dev/null ||
    { echo "$tool is missing: apt-get install xvfb imagemagick xdotool" >&2; exit 1; }
done

if [[ -z "${ZELMORA_SCREENSHOTS_IN_XVFB:-}" ]]; then
  if [[ -n "${BUILD_DIR:-}" ]]; then
    cmake -S "$root" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  else
    BUILD_DIR=$root/build/dev
    (cd "$root" && cmake --preset dev >/dev/null)
  fi
  cmake --build "$BUILD_DIR" --target zelmora dialog_screenshots -j2
  export BUILD_DIR ZELMORA_SCREENSHOTS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
work=$(mktemp -d)
# Private settings and state: the pictures show the program as it starts,
# whatever the user switched on, and leave the user's own files alone.
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state \
  XDG_DATA_HOME=$work/data
trap 'rm -rf "$work"' EXIT
mkdir -p "$root/docs"

# The window, with the evasion kinds a roster does not carry: the archer
# shoots, the magician and the priest cast.
window_shot() {
  local out=$1 pid window
  "$BUILD_DIR/app/zelmora" --evasion 0,2,1,2,0 "$root/examples/party.qvr" &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --name "ZELMORA")
  sleep 0.5  # the first paint after mapping
  import -window "$window" "$root/docs/$out"
  kill "$pid"
  wait "$pid" || true
  echo "wrote docs/$out"
}
window_shot main-window.png
# Again with the heat map switched on beside the best targets.
mkdir -p "$XDG_CONFIG_HOME/zelmora"
printf '[view]\nmarkBestTargets=true\nheatMap=true\n' >"$XDG_CONFIG_HOME/zelmora/zelmora.conf"
window_shot heat-map.png
rm -r "$XDG_CONFIG_HOME"

# Shows one example dialog, photographs its window, closes it.
shoot() {
  local which=$1 out=$2 window
  coproc shown { exec "$BUILD_DIR/tools/dialog_screenshots" "$which"; }
  local pid=$shown_PID
  read -r window <&"${shown[0]}"
  import -window "$window" "$root/docs/$out"
  kill "$pid"
  wait "$pid" || true
  echo "wrote docs/$out"
}

shoot detail matchup-detail.png
shoot modifiers modifiers.png
shoot attacker attacker-editor.png
shoot defender defender-editor.png
shoot chooser slot-chooser.png
