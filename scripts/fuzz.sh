#!/usr/bin/env bash
# Fuzzes every target in fuzz/targets/ for a bounded time: scripts/fuzz.sh [seconds-per-target]
# (default 60). Builds them with clang++ and libFuzzer in build-fuzz/. The committed seeds in
# fuzz/corpus/<target>/ are read, never changed; new inputs collect in build-fuzz/corpus/<target>/
# and crashing inputs in build-fuzz/crashes/<target>/. Ends with the executions and crashes per
# target, and fails when any target crashed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds-per-target]" >&2
  exit 2
fi
"$root/scripts/setup.sh"

build=$root/build-fuzz
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTILVANE_FUZZ=ON -DTILVANE_BUILD_GUI=OFF
fi
cmake --build "$build" --target tilvane_fuzzers -j2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
summary=()
failed=0
for source in "$root"/fuzz/targets/*.cpp; do
  target=$(basename "$source" .cpp)
  corpus=$build/corpus/$target
  crashes=$build/crashes/$target
  mkdir -p "$corpus" "$crashes" "$scratch/$target"
  before=$(find "$crashes" -type f | wc -l)
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$crashes/")
  [[ -f $root/fuzz/dict/$target.dict ]] && options+=(-dict="$root/fuzz/dict/$target.dict")
  # libarchive sizes its 7z tables from the header's counts before checking them against the
  # file: a few hundred bytes may ask for gigabytes it never touches. The RSS limit still holds.
  [[ $target == archive ]] && options+=(-malloc_limit_mb=16384)
  echo "== $target: ${seconds}s"
  # The targets write their files below TMPDIR; each gets a folder of its own.
  TMPDIR=$scratch/$target "$build/fuzz/fuzz_$target" "${options[@]}" "$corpus" "$root/fuzz/corpus/$target" \
    > "$build/$target.log" 2>&1 || true
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" | grep -o '[0-9]*$' || echo '?')
  found=$(( $(find "$crashes" -type f | wc -l) - before ))
  ((found == 0)) || failed=1
  summary+=("$(printf '%-12s %12s executions  %d crashes' "$target" "$runs" "$found")")
done
echo
printf '%s\n' "${summary[@]}"
if ((failed)); then
  echo "Crashing inputs are in $build/crashes/; the logs in $build/<target>.log." >&2
  exit 1
fi
