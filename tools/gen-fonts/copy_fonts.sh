#!/bin/sh
# Copies the game's two fonts and their licences from Debian's font packages into data/Fonts.
# Quicksand Bold is the 26-pixel menu font, Comfortaa Bold the 20-pixel small font: both
# round and friendly, both with the Finnish letters. Run from the repository root after
#   apt-get install fonts-quicksand fonts-comfortaa
set -eu
out=data/Fonts
mkdir -p "$out"
cp /usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf "$out/ame.TTF"
cp /usr/share/doc/fonts-quicksand/copyright "$out/ame-LICENSE.txt"
cp /usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf "$out/kc.TTF"
{
    cat /usr/share/doc/fonts-comfortaa/copyright
    echo
    zcat /usr/share/doc/fonts-comfortaa/OFL.txt.gz
} >"$out/kc-LICENSE.txt"
