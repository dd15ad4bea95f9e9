#!/usr/bin/env bash
# Draws docs/pictures/<skin>-<face>.png: every sample skin's face in every dock mode, and its
# 12-hour face, its face without seconds and its face with the colons off, composed by
# `zentrix-skin preview` exactly as the clock paints it, with the skin's key colour made
# see-through; an alpha skin's preview is a PNG with its alpha already. Needs the Windows build (cmake --preset windows && cmake --build --preset windows),
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
for skin in back2 neon sidebar glass; do
    # The key colour as the clock reads it; the sample skins write it plainly.
    key=$(awk -F= '/^\[/{s=$0} s=="[Transparency]\r"||s=="[Transparency]"{gsub("\r","");v[$1]=$2}
                   END{printf "rgb(%d,%d,%d)", v["R"], v["G"], v["B"]}' "skins/$skin/config.ini")
    # Every dock mode of the 24-hour face, then the other faces docked on top.
    faces=(top floating left right 12-hour no-seconds colon-off)
    for face in "${faces[@]}"; do
        case $face in
            12-hour) options=(--hours 12 --time 21:34:56) ;;
            no-seconds) options=(--hours 12 --no-seconds --time 10:04:56) ;;
            colon-off) options=(--colon off --time 12:34:57) ;;
            *) options=(--time "$time_text" --dock "$face") ;;
        esac
        if [ -f "skins/$skin/back.png" ]; then
            (cd "$scratch" && wine "$tool" preview "$skin" "${options[@]}" "$skin-$face.png" >/dev/null)
            /usr/bin/convert "$scratch/$skin-$face.png" -strip "docs/pictures/$skin-$face.png"
        else
            (cd "$scratch" && wine "$tool" preview "$skin" "${options[@]}" "$skin-$face.bmp" >/dev/null)
            /usr/bin/convert "$scratch/$skin-$face.bmp" -transparent "$key" -strip \
                "docs/pictures/$skin-$face.png"
        fi
        echo "docs/pictures/$skin-$face.png"
    done
done
