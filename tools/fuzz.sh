#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the engine and files libraries carrying
# the coverage instrumentation, and runs each for a bounded time (default
# 120 s, first argument to change it). Prints the edges covered once the
# corpus is loaded and at the end. New inputs stay in build/fuzz/corpus; a
# crash leaves its input in build/fuzz/artifacts and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
build=build/fuzz
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DZELMORA_GUI=OFF -DZELMORA_BENCH=OFF -DZELMORA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null

mapfile -t targets <"$build/fuzz/targets.txt"  # as fuzz/CMakeLists.txt lists them
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzzing $target for $seconds s"
  log="$build/$target.log"
  if ! "$build/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/${target}-" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz target $target failed; its input is in $build/artifacts" >&2
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$log" | sed -E 's/ (ft|corp|exec|rss).*//'
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$log"
done
