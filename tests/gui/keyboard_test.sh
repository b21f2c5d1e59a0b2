#!/usr/bin/env bash
# tc7350 used by keyboard as a person uses it, under a window manager on a virtual display: the
# program is started on a design file, and Ctrl+E, Ctrl+S, Ctrl+N and Ctrl+O are typed into its
# window, in English and with the German language file. Each key must bring up the window it
# stands for; a failure lists the windows that were on the screen.
# Usage (inside xvfb-run): keyboard_test.sh TC7350 T73 LANGUAGE_FILE WORK_DIR
set -uo pipefail
tc7350=$1 t73=$2 language_file=$3 work=$4

rm -rf "$work" && mkdir -p "$work"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config NO_AT_BRIDGE=1
mkdir -p "$XDG_CONFIG_HOME"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
program=
failures=0
first_size= shown_size=
finish() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    kill "$wm" 2>/dev/null
}
trap finish EXIT

for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

seen() {
    echo "  windows on the screen:"
    for w in $(xdotool search --onlyvisible --class '.' 2>/dev/null); do
        echo "    \"$(xdotool getwindowname "$w")\""
    done
}

fail() {
    echo "FAILED: $1"
    seen
    failures=$((failures + 1))
}

# Waits up to 15 s for a shown window whose title matches the extended regular expression $1.
window_titled() {
    local w
    for _ in $(seq 150); do
        for w in $(xdotool search --onlyvisible --class '.' 2>/dev/null); do
            if xdotool getwindowname "$w" | grep -Eq -- "$1"; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# The size of window $1 once the window manager has framed it.
settled_size() {
    sleep 0.5
    xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: //p'
}

# Types the key combination $1 into the main window, as after a click on its picture, and
# expects a window titled $2 ($3 says what the key should have done). Escape closes it again.
key_opens() {
    local main window
    main=$(window_titled '^Terminal Composer$') || { fail "no main window before $1"; return; }
    # A click on the picture's screen: the window manager gives the window the focus.
    xdotool mousemove --window "$main" 130 90 click 1
    sleep 0.3
    xdotool key "$1"
    if window=$(window_titled "$2"); then
        echo "ok: $1: $3"
        shown_size=$(settled_size "$window")
        xdotool windowactivate --sync "$window" 2>/dev/null
        xdotool key Escape
        for _ in $(seq 50); do
            xdotool search --onlyvisible --class '.' 2>/dev/null | grep -qx "$window" || return
            sleep 0.1
        done
        fail "Escape did not close the window of $1"
    else
        fail "$1 did not $3 (no window titled /$2/)"
    fi
}

# $1: language name ("" for the built-in texts); the other arguments: what its texts say.
run_in_language() {
    local language=$1 new_file=$2 open_title=$3 save_title=$4
    local dir=$work/program-${language:-English} design
    mkdir -p "$dir"
    if [ -n "$language" ]; then
        cp "$language_file" "$dir/"
        # The INI file: last file, Auto-preload, Always on top, language; lines end in CR.
        printf 'Unknow\r0\r0\r%s\r' "$language" >"$dir/TC7350.ini"
    fi
    design=$dir/Prüfung-Проверка.T73
    "$t73" new "$design" || { fail "t73 could not make $design"; return; }
    echo "-- ${language:-built-in texts}"
    "$tc7350" --program-dir "$dir" "$design" >"$dir/tc7350.log" 2>&1 &
    program=$!
    local sheet
    if sheet=$(window_titled 'Prüfung-Проверка\.T73 \]$'); then
        echo "ok: tc7350 FILE opens the editor sheet on FILE"
        first_size=$(settled_size "$sheet")
        xdotool windowactivate --sync "$sheet" 2>/dev/null
        xdotool key Escape
    else
        fail "tc7350 FILE did not open the editor sheet on FILE"
    fi
    key_opens ctrl+e '\[ .*Prüfung-Проверка\.T73 \]$' "open the editor sheet"
    # The first framed window of the process learns the frame's size only once shown.
    if [ "$first_size" = "$shown_size" ]; then
        echo "ok: the first sheet has the room of the later ones ($first_size)"
    else
        fail "the first sheet is $first_size, a later one $shown_size"
    fi
    local before after
    before=$(stat -c %y "$design")
    local main
    main=$(window_titled '^Terminal Composer$') && xdotool mousemove --window "$main" 130 90 click 1
    sleep 0.3
    xdotool key ctrl+s
    for _ in $(seq 50); do
        after=$(stat -c %y "$design")
        [ "$after" != "$before" ] && break
        sleep 0.1
    done
    if [ "$after" != "$before" ]; then echo "ok: ctrl+s saved the design"; else fail "ctrl+s did not save"; fi
    key_opens ctrl+n "\[ $new_file \]$" "start a new design"
    key_opens ctrl+s "$save_title" "ask where to save the new design"
    key_opens ctrl+o "$open_title" "show the Open dialog"
    main=$(window_titled '^Terminal Composer$') && xdotool mousemove --window "$main" 130 90 click 1
    sleep 0.3
    xdotool key alt+F4
    for _ in $(seq 100); do
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program" 2>/dev/null; then
        fail "Alt+F4 did not end the program"
        kill "$program"
    fi
    wait "$program" 2>/dev/null
    program=
}

run_in_language "" "New file" '^Open$' '^Save As$'
run_in_language Deutsch "Neue Datei" '^Öffnen$' '^Speichern unter$'

[ "$failures" -eq 0 ] || { echo "$failures failures; the program's output is in $work"; exit 1; }
echo "all keys did what they stand for"
