#!/usr/bin/env bash
# Configures and builds a further build tree for checks that CTest runs:
#   build_tree.sh SOURCE_DIR BUILD_DIR "TARGETS" CMAKE_ARGS...
set -euo pipefail
src=$1 build=$2 targets=$3
shift 3
cmake -S "$src" -B "$build" -G Ninja "$@" >/dev/null
# shellcheck disable=SC2086 # several targets
cmake --build "$build" --target $targets
