#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator. Arguments go
# to the program: ./run.sh ROSTER.qvr opens it with that roster loaded.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
(
  cd "$root"
  tools/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default
)
exec "$root/build/default/app/zelmora" "$@"
