#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hand-drawn SVG scenes in scripts/immagini/ into assets/immagini/*.png.
# The PNGs are committed, so building the program never needs rsvg-convert.
# Landscape scenes become 800 px wide, portrait ones 800 px tall; opaque white background.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert missing: apt-get install -y librsvg2-bin" >&2
    exit 1
}

mkdir -p assets/immagini
for svg in scripts/immagini/*.svg; do
    nome=$(basename "$svg" .svg)
    # Read width and height from the viewBox to choose the side to fix at 800 px.
    read -r w h < <(sed -n 's/.*viewBox="[0-9.]* [0-9.]* \([0-9.]*\) \([0-9.]*\)".*/\1 \2/p' "$svg" | head -n 1)
    if [ "${w%.*}" -ge "${h%.*}" ]; then
        lato=(-w 800)
    else
        lato=(-h 800)
    fi
    rsvg-convert "${lato[@]}" -b white -f png -o "assets/immagini/$nome.png" "$svg"
    echo "assets/immagini/$nome.png"
done
