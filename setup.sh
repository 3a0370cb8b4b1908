#!/bin/sh
# Sets Tindlewick up on a Debian 12 machine: installs the Debian packages that are missing,
# builds, then plays the game (./setup.sh play) or runs every test (./setup.sh test): the
# whole suite, then the same suite, each fuzz target for a short while and a short soak in a
# second build with AddressSanitizer, UndefinedBehaviorSanitizer and the leak checker.
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

# The sanitizer build: clang, because libFuzzer comes with it; lightly optimised, with line
# numbers for the reports.
flags="-O1 -gline-tables-only"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS_DEBUG="$flags" -DCMAKE_CXX_FLAGS_DEBUG="$flags" \
    -DTINDLEWICK_FUZZ=ON -DTINDLEWICK_BENCH=OFF -DTINDLEWICK_FUZZ_SECONDS=20
cmake --build build-sanitize -j "$jobs"
# Any fault stops the program that made it; leaks are reported when each program ends. The
# OpenGL drivers, which lose track of their memory when unloaded, stay loaded in these
# builds (media/platform/library_pins.h); the system's own leaks are listed with their reasons.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/leak_suppressions.txt:print_suppressions=0"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
