#!/usr/bin/env bash
# What the running clock costs while it just ticks: Zentrix.exe on a virtual screen beside
# `xclock -digital -update 1`, once with the default skin (back2), once with back2 without
# seconds (its face changes, and its timer fires, once a minute), once with neon, whose window
# shape follows its digits, and once with glass, an alpha skin shown as a layered window; two
# and four clocks of back2 in one program, which tick together; then, for the floor under them, bench/idle_floor.cpp, a Wine window
# that only ticks once a second and fills a small square from each tick. After a warm-up,
# the CPU time of the measured program, of its wineserver, of the prefix's other Wine processes,
# of xclock and of the X server is taken over a measured span (60 s unless ZENTRIX_IDLE_SECONDS
# says otherwise) and reported as CPU-seconds per hour with the resident memory (VmRSS) of each.
# --short measures each for 1 s after 2 s, to show that the benchmark works (the test command
# runs it so); its figures mean little.
#
# CPU time is what the scheduler counted for every thread (sum_exec_runtime in
# /proc/<pid>/task/<tid>/sched, in nanoseconds); where the kernel does not keep it, the user and
# system clock ticks of /proc/<pid>/stat stand in, which at a hundred a second are too coarse to
# tell two idle programs apart over a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
measured=${ZENTRIX_IDLE_SECONDS:-60}
warmup=10
if [ "${1:-}" = --short ]; then
    measured=1
    warmup=2
fi

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Zentrix idle_floor

. tools/wine_env.sh
wine_env_bench_scratch idle

# The screen first: the prefix's desktop process keeps the display it found at wineboot.
wine_env_xvfb 1024x768
xvfb_pid=$wine_env_started_xvfb
wine_env_prefix "$scratch/prefix"
# Each measured program starts the server and the prefix's services anew, as the first one
# of a session does.
wineserver -k
# The clock jumps out of the pointer's way, and Xvfb starts with the pointer mid-screen.
xdotool mousemove 1023 767

clock_ticks=$(getconf CLK_TCK)

# CPU time of a process in milliseconds, over all its threads; 0 once it has gone.
cpu_ms() {
    local sched=(/proc/"$1"/task/*/sched)
    if [ -r "${sched[0]}" ] && grep -q '^se.sum_exec_runtime' "${sched[0]}" 2>/dev/null; then
        awk '/^se.sum_exec_runtime/ { total += $3 } END { printf "%.3f\n", total }' \
            "${sched[@]}" 2>/dev/null || echo 0
        return
    fi
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
    # The command name in field 2 may hold spaces: count from the closing parenthesis.
    set -- ${stat##*") "}
    echo $(((${12} + ${13}) * 1000 / clock_ticks))
}

sum() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f\n", a + b }'
}

rss_kib() {
    local rss
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null)
    echo "${rss:-0}"
}

# Processes of our prefix: the Wine programs and the server, whose environment names it.
prefix_pids() {
    local pid
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done
}

process_name() {
    local name
    name=$({ tr '\0' ' ' <"/proc/$1/cmdline"; } 2>/dev/null | awk '{ print $1 }')
    basename "${name//\\//}"
}

# Runs a Windows program in the folder $1 with the arguments that follow and measures it beside
# xclock; prints one table titled $title.
measure() {
    local run=$1
    shift
    local program
    program=$(basename "$1")

    (cd "$run" && exec wine "$@") &
    local measured_pid=$!
    xclock -digital -update 1 2>/dev/null &
    xclock_pid=$!
    sleep "$warmup"

    local server_pid="" others=() pid
    for pid in $(prefix_pids); do
        [ "$pid" = "$measured_pid" ] && continue
        case $(process_name "$pid") in
            wineserver*) server_pid=$pid ;;
            *.exe | *.EXE) others+=("$pid") ;;
        esac
    done
    if [ "$(process_name "$measured_pid")" != "$program" ] || [ -z "$server_pid" ]; then
        echo "$program did not start" >&2
        exit 1
    fi

    local names=("$program" wineserver "other Wine processes (${#others[@]})" xclock Xvfb)
    local groups=("$measured_pid" "$server_pid" "${others[*]}" "$xclock_pid" "$xvfb_pid")
    local before=() i
    for i in "${!groups[@]}"; do
        before[$i]=0
        for pid in ${groups[$i]}; do before[$i]=$(sum "${before[$i]}" "$(cpu_ms "$pid")"); done
    done
    sleep "$measured"
    echo
    echo "$title: CPU over ${measured} s after ${warmup} s of warm-up"
    echo
    echo "| process | CPU-seconds per hour | share of one core | VmRSS |"
    echo "|---|---:|---:|---:|"
    for i in "${!groups[@]}"; do
        local after=0 rss=0
        for pid in ${groups[$i]}; do
            after=$(sum "$after" "$(cpu_ms "$pid")")
            rss=$((rss + $(rss_kib "$pid")))
        done
        awk -v name="${names[$i]}" -v ms="$(sum "$after" "-${before[$i]}")" \
            -v span="$measured" -v rss="$rss" 'BEGIN {
                cpu = ms / 1000
                printf "| %s | %.2f | %.4f %% | %.1f MiB |\n", name, cpu * 3600 / span,
                       cpu / span * 100, rss / 1024
            }'
    done
    [ -e "/proc/$measured_pid" ] || echo "($program ended during the measurement)"

    kill "$xclock_pid" 2>/dev/null || true
    wait "$xclock_pid" 2>/dev/null || true
    xclock_pid=""
    wineserver -k >/dev/null 2>&1 || true
    wait "$measured_pid" 2>/dev/null || true
    wineserver -w
}

# Measures $1 clocks of back2 in one program, side by side on the top edge.
measure_clocks() {
    local count=$1 run="$scratch/run-clocks-$1" number settings="$WINEPREFIX/drive_c/windows/Zentrix.INI"
    title="$count clocks of back2 in one program"
    mkdir -p "$run"
    cp -r skins/. "$run/"
    printf '[clocks]\r\ncount=%s\r\n[skin]\r\nname=back2\r\n[position]\r\nx=0\r\ny=0\r\n' \
        "$count" >"$settings"
    for number in $(seq 2 "$count"); do
        printf '[skin.%s]\r\nname=back2\r\n[position.%s]\r\nx=%s\r\ny=0\r\n' \
            "$number" "$number" $(((number - 1) * 250)) >>"$settings"
    done
    measure "$run" "$repo/build/windows/Zentrix.exe"
}

# Measures the clock with one skin, titled $2, with the lines of its settings file's [display]
# section that follow.
measure_clock() {
    local skin=$1 run="$scratch/run-$1" line
    title=$2
    shift 2
    mkdir -p "$run"
    cp -r skins/. "$run/"
    printf '[skin]\r\nname=%s\r\n[display]\r\n' "$skin" >"$WINEPREFIX/drive_c/windows/Zentrix.INI"
    for line in "$@"; do printf '%s\r\n' "$line" >>"$WINEPREFIX/drive_c/windows/Zentrix.INI"; done
    measure "$run" "$repo/build/windows/Zentrix.exe"
}

echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes); $(nproc) CPUs"
measure_clock back2 "Skin back2"
measure_clocks 2
measure_clocks 4
measure_clock back2 "Skin back2 without seconds" seconds=0
measure_clock neon "Skin neon"
measure_clock glass "Skin glass (alpha, layered)"
title="A Wine window that fills a square a second" measure "$scratch" \
    "$repo/build/windows/bench/idle_floor.exe"
title="A Wine window that only ticks" measure "$scratch" \
    "$repo/build/windows/bench/idle_floor.exe" --no-draw
echo
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
