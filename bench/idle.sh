#!/usr/bin/env bash
# How light Sunveil is while it runs all day: starts the built program on a virtual display with
# a notification area, its display cycle running (a message shown for 5 s every 10 s), lets it
# settle, then prints its resident memory, the CPU time it used and how often it woke up over a
# measuring window. Usage: bench/idle.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-30}

if [[ -z "${DISPLAY_FOR_BENCH:-}" ]]; then
    exec env DISPLAY_FOR_BENCH=1 tests/e2e/xsession.sh --tray "$0" "$build" "$seconds"
fi

work=$(mktemp -d /tmp/sunveil-bench.XXXXXX)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home/Documents/Sunveil/Subliminal/Work"
cp "$build/bin/sunveil" "$work/program/"
printf '[Settings]\r\nShowTime=5\r\nInvertal=10\r\nColor=255\r\nFont=Tahoma\r\nFontSize=17\r\nLocation=2\r\nAutoStart=On\r\nOptions=0\r\n' \
    >"$work/program/Settings.ini"
for i in $(seq 1 200); do printf 'Message number %d of the bench library\r\n' "$i"; done \
    >"$work/home/Documents/Sunveil/Subliminal/Work/text.txt"
printf '\r\nWork\r\n' >"$work/home/Documents/Sunveil/Subliminal/Checked.txt"

HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "$work/program/sunveil" &
pid=$!
sleep 5 # settle: start-up is not what is measured

read_stat() {
    # utime + stime in clock ticks, and the context switches (each one a wake-up or a preemption).
    awk '{print $14 + $15}' "/proc/$pid/stat"
    awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ {s += $2} END {print s}' \
        "/proc/$pid/status"
}
mapfile -t before < <(read_stat)
sleep "$seconds"
mapfile -t after < <(read_stat)
ticks=$(getconf CLK_TCK)
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")

cpu_ms=$(( (after[0] - before[0]) * 1000 / ticks ))
switches=$(( after[1] - before[1] ))
echo "window:              ${seconds} s with the display cycle running"
echo "resident memory:     ${rss} KiB"
echo "CPU time used:       ${cpu_ms} ms ($(awk -v c="$cpu_ms" -v s="$seconds" 'BEGIN {printf "%.3f", c / (s * 10)}')% of one core)"
echo "context switches:    ${switches} ($(awk -v n="$switches" -v s="$seconds" 'BEGIN {printf "%.1f", n / s}') per second)"
