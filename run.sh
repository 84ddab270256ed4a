#!/usr/bin/env bash
# Installs what building and running the program needs, builds the program
# alone (no tests, no benchmarks) and starts it. Arguments go to the
# program: ./run.sh ROSTER.qvr opens it with that roster loaded.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
(
  cd "$root"
  tools/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default --target zelmora
)
exec "$root/build/default/app/zelmora" "$@"
