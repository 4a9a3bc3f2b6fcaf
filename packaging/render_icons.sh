#!/usr/bin/env bash
# Renders the checked-in PNG icons from zeitfang.svg; run after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48; do
    mkdir -p "icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" zeitfang.svg -o "icons/${size}x${size}/zeitfang.png"
done
