#!/usr/bin/env bash
# Runs the alarm_tones benchmark against a PulseAudio null sink, which consumes samples in real
# time, reached through ALSA's pulse plugin. Needs pulseaudio, pulseaudio-utils and
# libasound2-plugins.
# Usage: alarm_tones_pulse.sh BUILD_DIR [RUNS] [SINK_BLOCK_MS]
#
# A null sink without a low-latency stream sleeps in blocks of two seconds, so a newly started
# stream waits up to two seconds for its first block; a real device does not. A silent stream
# holds the sink at SINK_BLOCK_MS (default 5 ms, the speaker's own ALSA period), as a running
# desktop sound server would be.
set -euo pipefail
build=${1:?build directory}
runs=${2:-10}
block_ms=${3:-5}
tmp=$(mktemp -d)
cleanup() {
    [ -n "${keeper_pid:-}" ] && kill "$keeper_pid" 2>/dev/null || true
    [ -n "${pa_pid:-}" ] && kill "$pa_pid" 2>/dev/null && wait "$pa_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
export HOME=$tmp XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=no --log-target=stderr \
    --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
    --load="module-null-sink sink_name=bench rate=48000" 2>"$tmp/pulse.log" &
pa_pid=$!
fail() {
    echo "alarm_tones_pulse.sh: $*; the sound server's log:" >&2
    cat "$tmp/pulse.log" >&2
    exit 1
}
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
sinks=$(pactl list short sinks 2>&1) && grep -qw bench <<<"$sinks" ||
    fail "no PulseAudio server with the null sink: $sinks"
pacat --playback --latency-msec="$block_ms" --rate=48000 --channels=1 --format=s16le </dev/zero &
keeper_pid=$!
sleep 2.5 # the sink's first two-second block runs out
kill -0 "$keeper_pid" 2>/dev/null || fail "the silent stream that holds the sink ended"
cat >"$HOME/.asoundrc" <<'CONF'
pcm.!default { type pulse }
ctl.!default { type pulse }
CONF
"$build/bench/alarm_tones" "$runs"
