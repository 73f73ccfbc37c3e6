#!/usr/bin/env bash
# Installs what Optolune needs to build, run and test on Debian 12.
# Nothing is installed when every package is already there.
set -euo pipefail
# The line before the last is for the Debian package and its test:
# dpkg-shlibdeps (and `file`, which CPack needs to find the executables), the
# validators of the menu entry and of the AppStream file, and lintian, which
# checks the package; the last, clang-format (with git-clang-format), is for
# scripts/check-format.sh, which checks the formatting of the changed lines.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
          qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
          libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
          poppler-utils
          dpkg-dev file desktop-file-utils appstream lintian
          clang-format-14)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
