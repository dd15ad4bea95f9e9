#!/usr/bin/env bash
# Builds and runs the benchmarks: the shape builder and the paint work against plain references
# under Wine (one table, times in the same run), then the instructions of one tick's
# platform-free work counted natively by callgrind. Prints the machine it ran on first.
# --short runs every case a few times only, in seconds, to show that the benchmark works (the
# test command runs it so); its figures mean nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
short=()
[ "${1:-}" = --short ] && short=(--short)

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target zentrix_bench

scratch=$(mktemp -d /tmp/bench-XXXXXX)
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

echo
echo "Date:    $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "CPU:     $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) logical CPUs"
echo "Memory:  $(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
echo "Wine:    $(wine --version 2>/dev/null)"
echo "Load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes)"

# The benchmark draws nothing on a screen, so Wine needs no display: keep it off any real one.
unset DISPLAY
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
status=0
wine build/windows/bench/zentrix_bench.exe "${short[@]}" skins || status=$?
wineserver -k >/dev/null 2>&1 || true

echo
echo "Instructions of one tick's platform-free work on back2 (glyph layout, the changed cells given"
echo "back the background and stamped anew, those cells turned, the shape's bands of the whole"
echo "face), native g++ -O2, callgrind; the rest is the time text and the loop:"
if ! command -v valgrind >/dev/null; then
    echo "  valgrind is not installed (apt-get install valgrind): skipped"
    exit "$status"
fi
g++ -std=c++20 -O2 -I"$repo" -o "$scratch/tick_work" \
    bench/tick_work_main.cpp bench/bmp24_reader.cpp image/bmp_header.cpp skin/skin_config.cpp \
    skin/skin_files.cpp face/face_glyphs.cpp face/face_layout.cpp image/pixel_ops.cpp \
    image/region_runs.cpp

# The difference of two runs leaves out start-up and file reading.
count() {
    valgrind --tool=callgrind --callgrind-out-file="$scratch/callgrind.$1" \
        "$scratch/tick_work" skins/back2 "$1" >/dev/null 2>&1
    callgrind_annotate "$scratch/callgrind.$1" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
}
few=10
many=110
total=$(( ($(count $many) - $(count $few)) / (many - few) ))
printf '  %-20s %9d instructions\n' "one tick" "$total"
# Inclusive counts; a function with two entries (an overload calling the other) counts once, by
# the larger.
callgrind_annotate --inclusive=yes --threshold=100 "$scratch/callgrind.$many" 2>/dev/null |
    awk -v ticks=$many -v total="$total" '
        /:(LayoutGlyphs|RestampGlyphs|CopyKeyed|CopyArea|TurnQuarter|KeyedRegionBands)[(]/ {
            gsub(",", "", $1)
            name = $0
            sub(/.*[?]:/, "", name)
            sub(/[(].*/, "", name)
            if (!(name in count)) order[++names] = name
            if ($1 > count[name]) count[name] = $1
        }
        END {
            rest = total
            for (i = 1; i <= names; ++i) {
                share = int(count[order[i]] / ticks)
                printf "    %-18s %9d\n", order[i], share
                if (order[i] != "CopyKeyed" && order[i] != "CopyArea") rest -= share
            }
            printf "    %-18s %9d\n", "the rest", rest
        }'
exit "$status"
