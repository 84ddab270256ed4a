#!/usr/bin/env bash
# Installs what is missing (the test packages too), builds the program with its
# tests and benchmarks, and runs the whole test suite.
#   ./test.sh          the suite (engine, files, window, installation checks)
#   ./test.sh --all    also the format and lint checks, the Debian package installed
#                      and removed, the README's commands run from a fresh clone, the
#                      suite under AddressSanitizer and UndefinedBehaviorSanitizer,
#                      bounded fuzzing, and the Windows program cross-built, tested
#                      under Wine and zipped
set -euo pipefail
cd "$(dirname "$0")"

all=false
case "${1:-}" in
  "") ;;
  --all) all=true ;;
  *) echo "usage: ./test.sh [--all]" >&2; exit 2 ;;
esac

if $all; then tools/install-deps.sh --fuzz; else tools/install-deps.sh --tests; fi
cmake --workflow --preset ci
if $all; then
  tools/check-format.sh
  tools/check-tidy.sh build/dev
  tools/check-package.sh
  tools/check-newcomer.sh
  cmake --workflow --preset sanitize
  tools/fuzz.sh "${ZELMORA_FUZZ_SECONDS:-120}"
  tools/windows/build.sh
fi
