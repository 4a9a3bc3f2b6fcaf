#!/usr/bin/env bash
# Runs a command on a private Xvfb display with openbox and its own session bus.
# Usage: with_xserver.sh [--no-wm] COMMAND...
set -euo pipefail
wm=1
if [ "${1:-}" = "--no-wm" ]; then wm=0; shift; fi
tmp=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
x_pid=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$tmp/display")"
if [ "$wm" = 1 ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done
fi
dbus-run-session -- "$@"
