#!/usr/bin/env bash
# How quickly tc7350 answers a person, measured from outside as the person sees it, under a
# window manager on a virtual display:
#  - start: from starting the program until its main window is on the screen;
#  - sheet: from the Ctrl+E key until the editor sheet is on the screen, the first time in a
#    process and again after Escape;
#  - memory: the program's resident memory while the sheet is open.
# "On the screen" is the window manager showing the window's frame, as the X server reports it.
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
xev=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; kill $xev "$wm" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}

# The window manager's frames are children of the root window: their showing and hiding is read
# from the X server's own events as they come, each stamped with the time it was read, so that
# how often this script looks at them adds nothing to the figures.
mkfifo "$work/xev"
stdbuf -oL xev -root -event substructure >"$work/xev" &
xev=$!
while IFS= read -r line; do
    case $line in
        MapNotify\ event* | UnmapNotify\ event*)
            t=${EPOCHREALTIME/[.,]/}
            echo "$((t / 1000)) ${line%% event*}"
            ;;
    esac
done <"$work/xev" >"$work/events" &
sleep 0.5

# Waits for the first window event of kind $1 read at or after the time $2; prints its time.
wait_for_event() {
    local seen
    for _ in $(seq 1000); do
        seen=$(awk -v kind="$1" -v since="$2" '$2 == kind && $1 >= since {print $1; exit}' \
            "$work/events")
        if [ -n "$seen" ]; then
            echo "$seen"
            return 0
        fi
        sleep 0.01
    done
    echo "no $1 after $2" >&2
    return 1
}

summary() {
    sort -n | awk '{v[NR] = $1} END {printf "%s / %s / %s", v[1], v[int((NR + 1) / 2)], v[NR]}'
}

: >"$work/start" && : >"$work/first" && : >"$work/again" && : >"$work/memory"
for _ in $(seq "$runs"); do
    started=$(now_ms)
    "$tc7350" --program-dir "$work" >"$work/tc7350.log" 2>&1 &
    program=$!
    echo $(($(wait_for_event MapNotify "$started") - started)) >>"$work/start"
    sleep 1
    main=$(xdotool search --onlyvisible --name '^Terminal Composer$' | head -n 1)
    xdotool mousemove --window "$main" 130 90 click 1
    sleep 0.5
    for file in first again; do
        # Typed at once (no delay between press and release); the time is taken when xdotool has
        # sent it, so that its own start is not counted.
        xdotool key --delay 0 ctrl+e
        pressed=$(now_ms)
        echo $(($(wait_for_event MapNotify "$pressed") - pressed)) >>"$work/$file"
        sleep 0.5
        awk '/^VmRSS:/ {print int($2 / 1024)}' "/proc/$program/status" >>"$work/memory"
        sheet=$(xdotool search --onlyvisible --name '\[ .* \]$' | head -n 1)
        closed=$(now_ms)
        xdotool windowactivate --sync "$sheet" key Escape
        wait_for_event UnmapNotify "$closed" >/dev/null
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
