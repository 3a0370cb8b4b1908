#!/bin/sh
# Sets Tindlewick up on a Debian 12 machine: installs the Debian packages that are missing,
# builds, then plays the game (./setup.sh play) or runs every test (./setup.sh test).
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
play | test) ;;
*)
    echo "usage: ./setup.sh play | test" >&2
    exit 2
    ;;
esac

packages="cmake ninja-build g++ pkg-config libsdl2-dev libgl-dev libegl-dev libgl1-mesa-dri
  libfreetype-dev libpng-dev libjpeg-dev libogg-dev libvorbis-dev libgtest-dev libgmock-dev
  libbenchmark-dev fonts-dejavu-core xvfb"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

if [ "$1" = play ]; then
    cd data
    exec ../build/frontend/tindlewick
fi

# Tests need no display and no sound card of their own: SDL's offscreen video driver draws
# with Mesa's software renderer, and its dummy audio driver stands in for sound.
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir build --output-on-failure -j "$jobs"
