#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, 1024x768, black root), with the openbox
# window manager and, with --tray, a notification area (trayer). Everything started here ends with
# the command.
#   xsession.sh [--no-wm] [--tray] command [arguments...]
set -euo pipefail

wm=1
tray=0
while [[ $# -gt 0 ]]; do
    case "$1" in
    --no-wm) wm=0; shift ;;
    --tray) tray=1; shift ;;
    *) break ;;
    esac
done

work=$(mktemp -d /tmp/sunveil-x.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -br -noreset -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 1 300); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
if [[ ! -s "$work/display" ]]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "${XDG_RUNTIME_DIR}" ]]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

if [[ $wm -eq 1 ]]; then
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 1 300); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
if [[ $tray -eq 1 ]]; then
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
fi

"$@"
