#!/usr/bin/env bash
# Configures and builds Optolune with a CMake preset (CMakePresets.json):
# "release" by default, in build/; PRESET=dev, asan or fuzz for the others
# (build-dev/, build-asan/, build-fuzz/). Arguments go to `cmake --build`,
# e.g. `scripts/build.sh --target optolune`.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${PRESET:-release}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" "$@"
