#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
# Warnings are errors here, as in CI; a plain release build leaves them warnings.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEITFANG_WERROR=ON -DZEITFANG_REQUIRE_ALL=ON >/dev/null
ninja -C "$build" -j "$(nproc)"
