#!/usr/bin/env bash
# Screenshots of the matchup detail dialog and the modifiers dialog, taken
# under a virtual X server: docs/matchup-detail.png and docs/modifiers.png.
# BUILD_DIR picks a build folder; the default is the "default" preset's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [[ -z "${ZELMORA_SCREENSHOTS_IN_XVFB:-}" ]]; then
  if [[ -n "${BUILD_DIR:-}" ]]; then
    cmake -S "$root" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  else
    BUILD_DIR=$root/build/default
    (cd "$root" && cmake --preset default >/dev/null)
  fi
  cmake --build "$BUILD_DIR" --target dialog_screenshots -j2
  export BUILD_DIR ZELMORA_SCREENSHOTS_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
mkdir -p "$root/docs"

# Shows one dialog, photographs its window, closes it.
shoot() {
  local which=$1 out=$2 window
  coproc shown { exec "$BUILD_DIR/tools/dialog_screenshots" "$which"; }
  local pid=$shown_PID
  read -r window <&"${shown[0]}"
  import -window "$window" "$out"
  kill "$pid"
  wait "$pid" || true
  echo "wrote $out"
}

shoot detail "$root/docs/matchup-detail.png"
shoot modifiers "$root/docs/modifiers.png"
