#!/usr/bin/env bash
# Every benchmark figure, each beside its reference from the same run. Prints; judges nothing.
# Usage: bench/run_all.sh [--quick] [BUILD_DIR]   (build first: bash scripts/build.sh)
# --quick: one round of each, as the test command runs it, so that a benchmark that no longer
# runs fails there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
quick=false
if [ "${1:-}" = --quick ]; then
    quick=true
    shift
fi
build=$(cd "${1:-$here/../build}" && pwd)
export ZEITFANG_BIN=$build/zeitfang ZEITFANG_BUILD_DIR=$build
py=/usr/bin/python3
rounds() { if $quick; then echo "$1"; else echo "$2"; fi; }

echo "== Desktop of 200 windows: scan vs wmctrl -l, start-up, peak RSS, CPU in the last hour"
# Beside the times, the instructions of each start-up phase, which the machine's load cannot move.
$py "$here/app_bench.py" --cpu-seconds "$(rounds 2 60)" --starts "$(rounds 1 20)" \
    $($quick || echo --instructions)
echo
echo "== Clock synchronisation: zeitfang -time vs curl through the same local proxy"
$py "$here/clock_bench.py" --runs "$(rounds 1 20)"
echo
echo "== Alarm: time the five tones (nominal 1020 ms) block on a real-time sink"
bash "$here/alarm_tones_pulse.sh" "$build" "$(rounds 1 10)"
echo
echo "== Window list with 50 windows: one scan on sway, KWin and GNOME Shell beside X11 (target <= 50 ms)"
$py "$here/wayland_scan_bench.py" 50
echo
echo "== Windows program under Wine: start to window shown vs a minimal Win32 window"
if command -v wine >/dev/null; then
    $py "$here/windows_start.py" --build "$build" --starts "$(rounds 1 15)"
else
    echo "left out: no Wine on this release (Debian testing)"
fi
