#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time,
# starting from the seed corpus in tests/data/fuzz/<target>/.
#   tools/fuzz.sh [seconds per target] [target ...]
# Crashing inputs are written to build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
morvane_install_packages clang libclang-rt-14-dev
seconds=${1:-60}
shift || true
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMORVANE_FUZZ=ON -DMORVANE_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  # Every fuzz/fuzz_<target>.cpp is a target.
  for source in fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name#fuzz_}")
  done
fi
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen
status=0
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  artifacts=build-fuzz/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  cp -n tests/data/fuzz/"$target"/* "$corpus"/ 2>/dev/null || true
  echo "== fuzz_$target for ${seconds}s"
  if ! build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
       -artifact_prefix="$artifacts/" "$corpus" 2>&1 | grep -E '^#[0-9]+ +DONE|^Done|ERROR|SUMMARY|crash-|timeout-|oom-'; then
    :
  fi
  if ls "$artifacts"/* >/dev/null 2>&1; then
    echo "fuzz_$target: findings in $artifacts"
    status=1
  fi
done
exit $status
