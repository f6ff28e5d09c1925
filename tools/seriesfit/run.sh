#!/bin/sh
# Regenerates the eighteen series files in DATA/ from the ERFA ephemerides.
# Needs: cmake, ninja, g++, liberfa-dev, libeigen3-dev.  Single-threaded.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${SERIESFIT_BUILD:-$root/build-seriesfit}"
cmake -S "$root/tools/seriesfit" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
mkdir -p "$root/DATA"
"$build/seriesfit" "$root/DATA"
