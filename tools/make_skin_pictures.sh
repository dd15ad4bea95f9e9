#!/usr/bin/env bash
# Draws docs/pictures/<skin>-<dock>.png: every sample skin's face in every dock mode, composed
# by `zentrix-skin preview` exactly as the clock paints it, with the skin's key colour made
# see-through. Needs the Windows build (cmake --preset windows && cmake --build --preset windows),
# Wine and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."

tool="${ZENTRIX_SKIN_EXE:-build/windows/zentrix-skin.exe}"
[ -f "$tool" ] || { echo "no $tool: build the Windows preset first" >&2; exit 1; }
tool=$(realpath "$tool")
time_text="12:34:56"

scratch=$(mktemp -d /tmp/skin-pictures.XXXXXX)
. tools/wine_env.sh
trap 'wine_env_cleanup; rm -rf "$scratch"' EXIT
wine_env_prefix "$scratch/wineprefix"

mkdir -p docs/pictures
cp -r skins/. "$scratch/"
for skin in back2 neon sidebar; do
    # The key colour as the clock reads it; the sample skins write it plainly.
    key=$(awk -F= '/^\[/{s=$0} s=="[Transparency]\r"||s=="[Transparency]"{gsub("\r","");v[$1]=$2}
                   END{printf "rgb(%d,%d,%d)", v["R"], v["G"], v["B"]}' "skins/$skin/config.ini")
    for dock in top floating left right; do
        (cd "$scratch" && wine "$tool" preview "$skin" --time "$time_text" --dock "$dock" \
            "$skin-$dock.bmp" >/dev/null)
        /usr/bin/convert "$scratch/$skin-$dock.bmp" -transparent "$key" -strip \
            "docs/pictures/$skin-$dock.png"
        echo "docs/pictures/$skin-$dock.png"
    done
done
