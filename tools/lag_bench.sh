#!/usr/bin/env bash
# How late each new second reaches the screen: Zentrix.exe (skin back2, docked on the top edge)
# beside `xclock -digital -update 1` on a virtual screen. After a warm-up, tools/lag_watch.c
# reads both windows' pixels from the screen every millisecond for ZENTRIX_LAG_SECONDS (30 s
# unless told) and times every change against the wall-clock second it fell in. A clock that
# redraws as the second begins shows a few milliseconds; one whose timer counts from its own
# start shows wherever in the second that start fell. --short watches for 3 s after 1 s, to show
# that the benchmark works (the test command runs it so); its figures mean little.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
measured=${ZENTRIX_LAG_SECONDS:-30}
if ! [[ $measured =~ ^[1-9][0-9]*$ ]]; then
    echo "ZENTRIX_LAG_SECONDS must be a whole number of seconds" >&2
    exit 2
fi
warmup=5
if [ "${1:-}" = --short ]; then
    measured=3
    warmup=1
fi
screen_width=1024
screen_height=768
# Where each clock should stand: docked on the top edge at x = 100, and xclock well apart.
clock_x=100
xclock_geometry=+300+400

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Zentrix

. tools/wine_env.sh
wine_env_bench_scratch lag

cc -O2 -Wall -Wextra -std=c11 -o "$scratch/lag_watch" tools/lag_watch.c -lX11

echo
echo "Date:    $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "CPU:     $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) logical CPUs"
echo "Wine:    $(wine --version 2>/dev/null)"
echo "Load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes)"

# The screen first: the prefix's desktop process keeps the display it found at wineboot.
wine_env_xvfb "${screen_width}x${screen_height}"
wine_env_prefix "$scratch/prefix"
# The clock jumps out of the pointer's way, and Xvfb starts with the pointer mid-screen.
xdotool mousemove $((screen_width - 1)) $((screen_height - 1))

run="$scratch/run"
mkdir -p "$run"
cp -r skins/. "$run/"
printf '[skin]\r\nname=back2\r\n[position]\r\nx=%d\r\ny=0\r\n' "$clock_x" \
    >"$WINEPREFIX/drive_c/windows/Zentrix.INI"
(cd "$run" && exec wine "$repo/build/windows/Zentrix.exe") &
clock_pid=$!
xclock -digital -update 1 -geometry "$xclock_geometry" 2>/dev/null &
xclock_pid=$!

# The visible X window of a process, once it has one: Wine sets _NET_WM_PID on its windows,
# and so does xclock.
window_of() {
    local window
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && { echo "$window"; return 0; }
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    return 1
}

# The window's place on screen as the watcher takes it: x,y,width,height.
rectangle_of() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X,$Y,$WIDTH,$HEIGHT"
}

clock_window=$(window_of "$clock_pid") || { echo "the clock showed no window" >&2; exit 1; }
xclock_window=$(window_of "$xclock_pid") || { echo "xclock showed no window" >&2; exit 1; }
sleep "$warmup"
clock_rect=$(rectangle_of "$clock_window")
xclock_rect=$(rectangle_of "$xclock_window")
[ "${clock_rect%,*,*}" = "$clock_x,0" ] ||
    echo "note: the clock stands at $clock_rect, not at ($clock_x, 0)" >&2

echo
echo "Changes on screen over ${measured} s after ${warmup} s of warm-up, sampled every 1 ms;"
echo "Zentrix.exe at $clock_rect, xclock at $xclock_rect (x,y,width,height):"
echo
"$scratch/lag_watch" -t "$measured" "Zentrix.exe=$clock_rect" "xclock=$xclock_rect" \
    >"$scratch/watch.txt"
[ -e "/proc/$clock_pid" ] || echo "(the clock ended during the measurement)"
awk '
    function value(field) { sub(/^[a-z_]+=/, "", field); return field }
    /^samples=/ {
        for (i = 1; i <= NF; ++i) summary[substr($i, 1, index($i, "=") - 1)] = value($i)
        next
    }
    /^area / {
        rows[++count] = sprintf("| %s | %s | %s | %s |", $2, value($3), value($4), value($5))
        if (value($3) == 0) unchanged = unchanged " " $2
    }
    END {
        print "| program | changes | median ms past the second | worst ms past the second |"
        print "|---|---:|---:|---:|"
        for (i = 1; i <= count; ++i) print rows[i]
        printf "\nThe watcher took %d samples, each reading both windows in %s ms on average:\n", \
               summary["samples"], summary["mean_read_ms"]
        printf "%d started over 2 ms after their slot (the latest by %s ms), ", \
               summary["late"], summary["worst_late_ms"]
        printf "%d slots were left out.\n", summary["skipped"]
        # A watcher that looks in the wrong place sees nothing change.
        if (unchanged != "") {
            print "no change seen in" unchanged > "/dev/stderr"
            exit 1
        }
    }' "$scratch/watch.txt"
echo
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
