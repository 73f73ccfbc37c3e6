#!/usr/bin/env bash
# Installs the dependencies, builds and starts Optolune.
# Without a display it starts under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh --target optolune
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a build/bin/optolune "$@"
fi
exec build/bin/optolune "$@"
