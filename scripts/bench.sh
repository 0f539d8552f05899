#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks on the default data; each ends with one line per
# case: its time (or memory), its floor's and their ratio. Extra arguments go to Google Benchmark's run
# (e.g. --benchmark_filter=LoadQuranData).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
# The benchmarks make their own working and font folders below TMPDIR and remove them.
build_dir=${TILVANE_BUILD_DIR:-$root/build}
"$build_dir/tilvane-bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"
# A bookmark import of a million entries: its time and the process's peak memory.
"$build_dir/tilvane-library-bench"
# What the user waits for in the reader's window, and the memory its processes take, beside a
# plain web view: on an X display of a small laptop's size with software compositing
# (--disable-gpu), where the memory tour presses keys in the window as a user would.
export QT_QPA_PLATFORM=xcb
source "$root/scripts/headless-env.sh"
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" "$build_dir/tilvane-gui-bench"
# The recitation player's audio, rendered through TILVANE_AUDIO_SINK from a reciter of pure
# tones: pitch and aya length at each speed, the gap between ayat, the delay of a move.
"$build_dir/tilvane-audio-bench"
