#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises the feedback sounds with sox into assets/suoni/:
#   si.wav  short cheerful chime, a rising major arpeggio of bell-like notes
#   no.wav  two soft low notes going down, gentle rather than scary
# Only sine tones and no dither (-D), so running it again gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v sox >/dev/null || {
    echo "sox missing: apt-get install -y sox" >&2
    exit 1
}

RATE=44100
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p assets/suoni

# nota FILE FREQ LENGTH DELAY HARMONIC FADETYPE
# One note: the fundamental plus a quieter second partial (HARMONIC = its share),
# a soft 6 ms attack so it does not click, a FADETYPE fade out over the whole note (l rings like a
# bell, q is rounder), then DELAY of silence before it.
nota() {
    local out=$1 f=$2 len=$3 ritardo=$4 arm=$5 tipo=$6
    local fond=$(awk -v a="$arm" 'BEGIN { printf "%.3f", 1 - a }')
    sox -n -r "$RATE" -c 1 -e floating-point -b 32 "$tmp/f.wav" synth "$len" sine "$f"
    sox -n -r "$RATE" -c 1 -e floating-point -b 32 "$tmp/a.wav" synth "$len" sine "$(awk -v f="$f" 'BEGIN { print f * 2 }')"
    sox -m -v "$fond" "$tmp/f.wav" -v "$arm" "$tmp/a.wav" -e floating-point -b 32 "$out" \
        fade h 0.006 fade "$tipo" 0 "$len" "$(awk -v l="$len" 'BEGIN { print l - 0.006 }')" pad "$ritardo" 0
}

# mescola OUT IN... : mixes the notes, normalises to -3 dBFS peak, 16-bit PCM without dither.
mescola() {
    local out=$1
    shift
    local args=()
    for f in "$@"; do args+=(-v 1 "$f"); done
    sox -m "${args[@]}" -e floating-point -b 32 "$tmp/mix.wav"
    sox "$tmp/mix.wav" -D -r "$RATE" -c 1 -e signed-integer -b 16 "$out" \
        fade q 0.003 0 0.02 norm -3
}

# Right answer: C6, E6, G6 in quick succession, each ringing like a small bell.
nota "$tmp/si1.wav" 1046.50 0.30 0.00 0.18 l
nota "$tmp/si2.wav" 1318.51 0.30 0.09 0.18 l
nota "$tmp/si3.wav" 1567.98 0.40 0.18 0.18 l
mescola assets/suoni/si.wav "$tmp/si1.wav" "$tmp/si2.wav" "$tmp/si3.wav"

# Wrong answer: A3 then F3, soft and rounded (slow quarter-sine fade).
nota "$tmp/no1.wav" 220.00 0.22 0.00 0.25 q
nota "$tmp/no2.wav" 174.61 0.26 0.16 0.25 q
mescola assets/suoni/no.wav "$tmp/no1.wav" "$tmp/no2.wav"

echo assets/suoni/si.wav
echo assets/suoni/no.wav
