#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [[ -x build/default/app/zelmora ]]; then
  exec build/default/app/zelmora "$@"
fi
echo "Built the engine, its tests and benchmarks; the program itself is not there yet."
