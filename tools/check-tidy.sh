#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: bugprone and performance checks) over the
# program's sources with the compile commands of a configured build folder
# (default build/dev); any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
mapfile -t sources < <(git ls-files 'app/*.cpp' 'editors/*.cpp' 'engine/*.cpp' 'files/*.cpp' \
  'resources/*.cpp' 'window/*.cpp' ':!:*_windows.cpp')  # Windows's sources: not in a Linux build
printf '%s\n' "${sources[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet
