#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: unit, widget and end-to-end, and from
# CTest the sanitizer build of the unit and widget tests and a short pass of every fuzz target.
# A build folder without tests fails rather than passing on nothing, and so does a test that
# leaves a process running.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
/usr/bin/python3 scripts/no_leftovers.py ctest --test-dir "${BUILD_DIR:-build}" \
    --output-on-failure --no-tests=error --timeout 900 "$@"
