#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: unit, widget and end-to-end, and from
# CTest the sanitizer build of the unit and widget tests and a short pass of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --timeout 900 "$@"
