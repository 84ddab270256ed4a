#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: bugprone and performance checks) over every
# source of the tree that a configured build folder (default build/dev)
# compiles, with its compile commands: the program's layers, the tests, the
# benchmarks, the fuzz targets and the tools. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
# The build's own list, so that a new folder or file is linted without
# being named here; generated sources (moc, resources) are not the tree's.
mapfile -t sources < <(python3 - "$build/compile_commands.json" <<'PYTHON'
import json, os, subprocess, sys
tracked = set(subprocess.run(["git", "ls-files", "*.cpp"], capture_output=True, text=True,
                             check=True).stdout.split())
root = os.getcwd()
compiled = {os.path.relpath(entry["file"], root) for entry in json.load(open(sys.argv[1]))}
print("\n".join(sorted(compiled & tracked)))
PYTHON
)
printf '%s\n' "${sources[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet
