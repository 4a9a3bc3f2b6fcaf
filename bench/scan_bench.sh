#!/usr/bin/env bash
# Median time of one desktop window-list scan next to `wmctrl -l`, on Xvfb + openbox with 200
# titled windows. Usage: bench/scan_bench.sh [BUILD_DIR] [WINDOWS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
exec "$here/with_xserver.sh" "$build/bench/scan_bench" "${2:-200}"
