#!/bin/sh
# Times Korvane's print command for a full statement with the real barcode library: from the
# command to the laid-out preview pages, and to the PDF exported from the preview.
# It is a Korvane program, not a lumetra one, so it is built in the source tree's tests/e2e.
# Usage: bench/print_timing.sh [build-dir]   (default build-e2e-rel; KV_TIMING_RUNS=20)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-e2e-rel}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
ninja -C "$build" korvane_print_timing Lumetra >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bin/korvane_print_timing" --gtest_brief=1 | grep -E "runs|first run"
