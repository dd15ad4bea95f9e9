#!/usr/bin/env bash
# Builds Zentrix.exe and runs it beside the sample skins. With a display it runs there under
# Wine until closed; with none it runs on a virtual screen for a few seconds and saves a
# screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

tools/setup.sh
cmake --preset windows
cmake --build --preset windows --target Zentrix

run="$repo/build/run"
mkdir -p "$run"
cp -r skins/. "$run/"
cd "$run"

. "$repo/tools/wine_env.sh"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    export WINEPREFIX="${ZENTRIX_WINEPREFIX:-$HOME/.local/share/zentrix/wineprefix}"
    [ -d "$WINEPREFIX" ] || wine_env_prefix "$WINEPREFIX"
    exec wine "$repo/build/windows/Zentrix.exe"
fi

trap wine_env_cleanup EXIT
wine_env_xvfb 1024x768
wine_env_prefix "$run/wineprefix"
wine "$repo/build/windows/Zentrix.exe" &
sleep "${ZENTRIX_SHOW_SECONDS:-5}"
import -window root "$run/zentrix-screenshot.png"
echo "Zentrix ran on a virtual screen; screenshot: $run/zentrix-screenshot.png"
