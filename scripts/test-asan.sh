#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (the asan preset, in build-asan/) and runs it: the first error stops the test
# that made it, and leaks are reported when each test program ends. Leaks inside
# Qt's and fontconfig's own caches are suppressed in scripts/lsan.supp, nothing else.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
PRESET=asan scripts/build.sh
ctest --preset asan -j "$(nproc)"
