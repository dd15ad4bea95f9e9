#!/usr/bin/env bash
# Builds everything and runs every test: the platform-free core natively (ASan + UBSan) and its
# fuzz targets, then the Windows build under Wine on a virtual screen, end-to-end tests included.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

cmake --preset host
cmake --build --preset host
ctest --preset host

# Every reader of skin file bytes, fuzzed for a while on its committed corpus.
tools/fuzz.sh 10

cmake --preset windows
cmake --build --preset windows

scratch=$(mktemp -d)
. tools/wine_env.sh
trap 'wine_env_cleanup; rm -rf "$scratch"' EXIT
# The screen first: the prefix's desktop process starts with wineboot and keeps the display it
# found then.
wine_env_xvfb
wine_env_prefix "$scratch/wineprefix"
# As the end-to-end sessions have it: with no notification area on the screen, Wine shows the
# clock's icon in a window of its own at the screen's corner, over the clocks whose pixels the Wine
# tests read there. The desktop process reads the setting when it starts, so the server starts
# anew.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v ShowSystray /d N /f >/dev/null 2>&1
wineserver -k
wineserver -p
# A program kept running in the prefix keeps its services up. Once every program has ended they
# end too, and the next program that loads COM waits 10 s for an RpcSs that Wine then fails to
# start.
wine build/windows/tests/e2e/zentrix_driver.exe hold "Z:$PWD/README.md" 3600000 >/dev/null 2>&1 &
# Most of an end-to-end session is waiting for Wine and the X server, so three run at once on two
# processors. A drag or a screen capture under Wine on Xvfb now and then misses its moment when
# the processors are busy (a prefix made, a package installed beside it): a test that fails is
# run once more, and fails the command only when it fails again.
ctest --preset windows --parallel 3 --repeat until-pass:2

# Every benchmark in its short mode, on screens and in prefixes of its own: one that breaks fails
# this command, not its next user. After the tests, not beside them: the load of a benchmark
# made the end-to-end tests' drags miss now and then.
if ! (tools/bench.sh --short && tools/lag_bench.sh --short && tools/idle_bench.sh --short) \
    >"$scratch/benchmarks.log" 2>&1; then
    cat "$scratch/benchmarks.log"
    echo "A benchmark's short run failed" >&2
    exit 1
fi
