#!/usr/bin/env bash
# How quickly tc7350 answers a person, measured from outside as the person sees it, under a
# window manager on a virtual display:
#  - start: from starting the program until its main window is on the screen;
#  - sheet: from the Ctrl+E key until the editor sheet is on the screen, the first time in a
#    process and again after Escape;
#  - memory: the program's resident memory while the sheet is open.
# Each figure is taken RUNS times (default 5) and printed as lowest / middle / highest.
# Usage: xvfb-run -a benchmarks/gui_speed.sh build/src/tc7350 [RUNS]
set -euo pipefail
tc7350=$(realpath "$1")
runs=${2:-5}

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config NO_AT_BRIDGE=1
mkdir -p "$XDG_CONFIG_HOME"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
program=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}

# Polls without sleeping until a shown window's title matches $1; prints its id.
wait_for_window() {
    local w
    for _ in $(seq 20000); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
    done
    echo "no window titled /$1/" >&2
    return 1
}

wait_gone() {
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do :; done
}

summary() {
    sort -n | awk '{v[NR] = $1} END {printf "%s / %s / %s", v[1], v[int((NR + 1) / 2)], v[NR]}'
}

: >"$work/start" && : >"$work/first" && : >"$work/again" && : >"$work/memory"
for _ in $(seq "$runs"); do
    started=$(now_ms)
    "$tc7350" --program-dir "$work" >"$work/tc7350.log" 2>&1 &
    program=$!
    main=$(wait_for_window '^Terminal Composer$')
    echo $(($(now_ms) - started)) >>"$work/start"
    sleep 1
    xdotool mousemove --window "$main" 130 90 click 1
    sleep 0.5
    for file in first again; do
        pressed=$(now_ms)
        xdotool key ctrl+e
        sheet=$(wait_for_window '\[ .* \]$')
        echo $(($(now_ms) - pressed)) >>"$work/$file"
        sleep 0.5
        awk '/^VmRSS:/ {print int($2 / 1024)}' "/proc/$program/status" >>"$work/memory"
        xdotool windowactivate --sync "$sheet" key Escape
        wait_gone '\[ .* \]$'
        sleep 0.5
        xdotool mousemove --window "$main" 130 90 click 1
        sleep 0.3
    done
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=
done

echo "start to main window shown (ms):       $(summary <"$work/start")"
echo "Ctrl+E to sheet shown, first (ms):     $(summary <"$work/first")"
echo "Ctrl+E to sheet shown, again (ms):     $(summary <"$work/again")"
echo "resident memory with sheet open (MB):  $(summary <"$work/memory")"
