#!/bin/sh
# Sets Tindlewick up on a Debian 12 machine: installs the Debian packages that are missing,
# then builds the game alone and plays it (./setup.sh play), or builds everything and runs
# every test (./setup.sh test): the whole suite, then the same suite, each fuzz target for a
# short while and a short soak in a second build with AddressSanitizer,
# UndefinedBehaviorSanitizer and the leak checker; or builds the Debian package from the
# committed tree and checks it with lintian (./setup.sh deb).
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
play | test | deb) ;;
*)
    echo "usage: ./setup.sh play | test | deb" >&2
    exit 2
    ;;
esac

packages="cmake ninja-build g++ pkg-config libsdl2-dev libgl-dev libegl-dev libgl1-mesa-dri
  libfreetype-dev libpng-dev libjpeg-dev libogg-dev libvorbis-dev libgtest-dev libgmock-dev
  libbenchmark-dev fonts-dejavu-core xvfb desktop-file-utils appstream"
[ "$1" = deb ] && packages="$packages dpkg-dev fakeroot lintian git"
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

# Only the game and what it links: the first window comes minutes sooner than after a
# build of every test and benchmark.
if [ "$1" = play ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$jobs" --target tindlewick
    cd data
    exec ../build/frontend/tindlewick
fi

# The package is built from the committed tree, so that what a play from data/ wrote into
# its settings and records stays out of it; the game alone, installed under /usr with the
# program in /usr/games.
if [ "$1" = deb ]; then
    rm -rf build-deb
    mkdir -p build-deb/source
    git archive HEAD | tar -x -C build-deb/source
    cmake -S build-deb/source -B build-deb/build -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DTINDLEWICK_TESTS=OFF -DTINDLEWICK_BENCH=OFF \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    cmake --build build-deb/build -j "$jobs" --target tindlewick compressed_documents
    (cd build-deb/build && cpack -G DEB)
    package=$(ls build-deb/build/tindlewick_*.deb)
    lintian --fail-on error "$package"
    echo "Built $package; install it with: sudo apt install ./$package"
    exit 0
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINDLEWICK_TESTS=ON -DTINDLEWICK_BENCH=ON
cmake --build build -j "$jobs"

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
