#!/usr/bin/env bash
# Draws the animations of the Gif folder with ImageMagick into OUT_DIR:
#   Breathing_Animation.gif   the breathing light effect, 97 x 70
#   ProgressbarAnimation.gif  a running progress bar, 200 x 12
#   00.gif .. 12.gif          the numbered trophy pictures, 64 x 64
#   Locked.gif                a trophy not reached yet, 64 x 64
#   usage: make_gifs.sh CONVERT OUT_DIR
set -euo pipefail
convert=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

background='#16191d'
accent_rgb='60,137,191'

# Breathing: the light swells and fades over 24 frames.
frames=()
for i in $(seq 0 23); do
    a=$(awk -v i="$i" 'BEGIN { s = sin(3.14159265 * i / 24); printf "%.3f", 0.15 + 0.85 * s * s }')
    r=$(awk -v a="$a" 'BEGIN { printf "%d", 14 + 14 * a }')
    f=$work/breath_$i.png
    "$convert" -size 97x70 "xc:$background" \
        -fill "rgba($accent_rgb,$(awk -v a="$a" 'BEGIN { printf "%.3f", a * 0.35 }'))" \
        -draw "circle 48,35 48,$((35 - r - 8))" \
        -fill "rgba($accent_rgb,$a)" -draw "circle 48,35 48,$((35 - r))" \
        -fill "rgba(255,255,255,$(awk -v a="$a" 'BEGIN { printf "%.3f", a * 0.6 }'))" \
        -draw "circle 48,35 48,$((35 - r / 3))" "$f"
    frames+=("$f")
done
"$convert" -delay 6 -loop 0 "${frames[@]}" "$out/Breathing_Animation.gif"

# Progress: diagonal stripes running to the right, 12 frames for one stripe period.
frames=()
for i in $(seq 0 11); do
    f=$work/progress_$i.png
    draw=""
    for x in $(seq -24 12 212); do
        x0=$((x + i))
        draw="$draw polygon $x0,12 $((x0 + 6)),12 $((x0 + 12)),0 $((x0 + 6)),0"
    done
    "$convert" -size 200x12 "xc:rgb($accent_rgb)" -fill 'rgba(255,255,255,0.22)' \
        -draw "$draw" -fill none -stroke '#1d4f73' -draw 'rectangle 0,0 199,11' "$f"
    frames+=("$f")
done
"$convert" -delay 5 -loop 0 "${frames[@]}" "$out/ProgressbarAnimation.gif"

# Trophies: a numbered medal with a glint that sweeps across it.
for n in $(seq 0 12); do
    frames=()
    for i in $(seq 0 7); do
        f=$work/trophy_${n}_$i.png
        gx=$((i * 12 - 12))
        "$convert" -size 64x64 "xc:$background" \
            -fill '#20252b' -stroke "rgb($accent_rgb)" -strokewidth 3 -draw 'circle 32,32 32,6' \
            -stroke none -fill "rgba(255,255,255,0.25)" \
            -draw "polygon $gx,60 $((gx + 8)),60 $((gx + 24)),4 $((gx + 16)),4" \
            -fill '#e6e9ec' -font Liberation-Sans-Bold -pointsize 20 -gravity center \
            -annotate +0+1 "$((n + 1))" "$f"
        frames+=("$f")
    done
    "$convert" -delay 12 -loop 0 "${frames[@]}" "$(printf '%s/%02d.gif' "$out" "$n")"
done

# Locked: a dim medal with a padlock, still.
"$convert" -size 64x64 "xc:$background" \
    -fill '#1b1f24' -stroke '#3a424b' -strokewidth 3 -draw 'circle 32,32 32,6' \
    -stroke '#7d8690' -strokewidth 3 -fill none -draw 'roundrectangle 25,18 39,34 6,6' \
    -stroke none -fill '#7d8690' -draw 'roundrectangle 21,29 43,46 3,3' \
    -fill '#1b1f24' -draw 'circle 32,36 32,33' "$out/Locked.gif"
