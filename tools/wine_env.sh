# Sourced by the scripts that run Zentrix under Wine: a private prefix, no Mono/Gecko prompts,
# and a virtual screen when none is given. Call wine_env_cleanup when done.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_env_started_xvfb=""

# Makes a fresh prefix in $1 and initialises it. Its server stays until wine_env_cleanup: one
# that ended between two programs would make the next one start the server and the prefix's
# services anew, which takes seconds on a busy machine.
wine_env_prefix() {
    export WINEPREFIX="$1"
    mkdir -p "$WINEPREFIX"
    wineserver -p
    wineboot -i >/dev/null 2>&1
}

# Starts Xvfb with the given screen size (default 1024x768) and exports DISPLAY. The server picks
# a free display itself and names it once it listens (-displayfd): a display chosen here could be
# taken by another server starting at the same moment, as the end-to-end sessions' and the
# benchmarks' do during the test command.
# -noreset keeps what was set up on the screen, such as the pointer's place, when the last
# client leaves before the next one comes.
wine_env_xvfb() {
    local size="${1:-1024x768}" said
    said=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$said" >/dev/null 2>&1 &
    wine_env_started_xvfb=$!
    for _ in $(seq 100); do
        if [ -s "$said" ]; then
            export DISPLAY=":$(cat "$said")"
            rm -f "$said"
            return 0
        fi
        sleep 0.1
    done
    rm -f "$said"
    echo "Xvfb did not start" >&2
    return 1
}

wine_env_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
    if [ -n "$wine_env_started_xvfb" ]; then
        kill "$wine_env_started_xvfb" 2>/dev/null || true
        wait "$wine_env_started_xvfb" 2>/dev/null || true
    fi
}

# For the benchmarks that run the clock beside xclock: a scratch folder in $scratch, and, on
# exit, xclock (whose pid the script keeps in $xclock_pid), Wine, the screen and the folder gone.
wine_env_bench_scratch() {
    scratch=$(mktemp -d "/tmp/bench-$1-XXXXXX")
    xclock_pid=""
    trap wine_env_bench_cleanup EXIT
}

wine_env_bench_cleanup() {
    [ -n "$xclock_pid" ] && kill "$xclock_pid" 2>/dev/null || true
    wine_env_cleanup
    rm -rf "$scratch"
}
