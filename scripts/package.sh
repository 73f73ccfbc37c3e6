#!/usr/bin/env bash
# Installs the dependencies, builds the release preset and makes the Debian
# package build/optolune_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
cmake --build --preset release --target package
ls build/optolune_*_amd64.deb
