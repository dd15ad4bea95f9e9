#!/usr/bin/env bash
# What the running clock costs while it just ticks: Zentrix.exe on a virtual screen beside
# `xclock -digital -update 1`, once with the default skin (back2) and once with neon, whose
# window shape follows its digits. After a warm-up, the CPU time (user + system, from
# /proc/<pid>/stat) of the clock process, of its wineserver, of the prefix's other Wine processes,
# of xclock and of the X server is taken over a measured span (60 s unless
# ZENTRIX_IDLE_SECONDS says otherwise), and reported as CPU-seconds per hour with the resident
# memory (VmRSS) of each.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
measured=${ZENTRIX_IDLE_SECONDS:-60}
warmup=10

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Zentrix

scratch=$(mktemp -d /tmp/bench-idle-XXXXXX)
xvfb_pid=""
xclock_pid=""
cleanup() {
    [ -n "$xclock_pid" ] && kill "$xclock_pid" 2>/dev/null || true
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own among :120 to :139.
for display in $(seq 120 139); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "no free display among :120 to :139" >&2; exit 1; }
export DISPLAY=":$display"
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w

clock_ticks=$(getconf CLK_TCK)

# User plus system time of a process, in clock ticks; 0 once it has gone.
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
    # The command name in field 2 may hold spaces: count from the closing parenthesis.
    set -- ${stat##*") "}
    echo $((${12} + ${13}))
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

# Measures one skin; prints one table.
measure() {
    local skin=$1 run="$scratch/run-$1"
    mkdir -p "$run"
    cp -r skins/. "$run/"
    printf '[skin]\r\nname=%s\r\n' "$skin" >"$WINEPREFIX/drive_c/windows/Zentrix.INI"

    (cd "$run" && exec wine "$repo/build/windows/Zentrix.exe") &
    local clock_pid=$!
    xclock -digital -update 1 2>/dev/null &
    xclock_pid=$!
    sleep "$warmup"

    local server_pid="" others=() pid
    for pid in $(prefix_pids); do
        [ "$pid" = "$clock_pid" ] && continue
        case $(process_name "$pid") in
            wineserver*) server_pid=$pid ;;
            *.exe | *.EXE) others+=("$pid") ;;
        esac
    done
    if [ "$(process_name "$clock_pid")" != Zentrix.exe ] || [ -z "$server_pid" ]; then
        echo "the clock did not start" >&2
        exit 1
    fi

    local names=(Zentrix.exe wineserver "other Wine processes (${#others[@]})" xclock Xvfb)
    local groups=("$clock_pid" "$server_pid" "${others[*]}" "$xclock_pid" "$xvfb_pid")
    local before=() after=() i sum
    for i in "${!groups[@]}"; do
        sum=0
        for pid in ${groups[$i]}; do sum=$((sum + $(cpu_ticks "$pid"))); done
        before[$i]=$sum
    done
    sleep "$measured"
    echo
    echo "Skin $skin: CPU over ${measured} s after ${warmup} s of warm-up"
    echo
    echo "| process | CPU-seconds per hour | share of one core | VmRSS |"
    echo "|---|---:|---:|---:|"
    for i in "${!groups[@]}"; do
        sum=0
        local rss=0
        for pid in ${groups[$i]}; do
            sum=$((sum + $(cpu_ticks "$pid")))
            rss=$((rss + $(rss_kib "$pid")))
        done
        after[$i]=$sum
        awk -v name="${names[$i]}" -v ticks=$((after[i] - before[i])) -v hz="$clock_ticks" \
            -v span="$measured" -v rss="$rss" 'BEGIN {
                cpu = ticks / hz
                printf "| %s | %.1f | %.3f %% | %.1f MiB |\n", name, cpu * 3600 / span,
                       cpu / span * 100, rss / 1024
            }'
    done
    [ -e "/proc/$clock_pid" ] || echo "(the clock ended during the measurement)"

    kill "$xclock_pid" 2>/dev/null || true
    wait "$xclock_pid" 2>/dev/null || true
    xclock_pid=""
    wineserver -k >/dev/null 2>&1 || true
    wait "$clock_pid" 2>/dev/null || true
    wineserver -w
}

echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes); $(nproc) CPUs"
measure back2
measure neon
echo
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
