#!/bin/sh
# Copies the game's two fonts and their licences from Debian's font packages into data/Fonts.
# Eurofurence Bold is the 26-pixel menu font: round and friendly, and its capitals sit high
# enough in the line to clear the menu band under a title. Quicksand Bold, the 20-pixel
# small font, stays legible that small. Both have the Finnish letters. Run from the
# repository root after
#   apt-get install fonts-eurofurence fonts-quicksand
set -eu
out=data/Fonts
mkdir -p "$out"
rm -f "$out"/*
cp /usr/share/fonts/truetype/eurofurence/eurof75.ttf "$out/ame.TTF"
cp /usr/share/doc/fonts-eurofurence/copyright "$out/ame-LICENSE.txt"
cp /usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf "$out/kc.TTF"
cp /usr/share/doc/fonts-quicksand/copyright "$out/kc-LICENSE.txt"
