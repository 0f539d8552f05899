#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks on the default data; ends with one line per case:
# its time, its floor's time and their ratio. Extra arguments go to Google Benchmark
# (e.g. --benchmark_filter=LoadQuranData).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
# The benchmark makes its own working and font folders below TMPDIR and removes them.
exec "${TILVANE_BUILD_DIR:-$root/build}/tilvane-bench" \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"
