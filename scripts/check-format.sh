#!/usr/bin/env bash
# Checks the formatting (.clang-format) of the C++ lines changed since the
# commit in .ci/format-baseline: the lines a commit after it added or changed,
# in the files it touched (committed, staged or only edited: git must know the
# file). The code written before it keeps its hand formatting until someone
# edits it. Prints the changes clang-format
# wants and fails when there are any; `scripts/check-format.sh --fix` makes
# them in the working tree instead.
set -euo pipefail
cd "$(dirname "$0")/.."
baseline=$(tr -d '[:space:]' < .ci/format-baseline)
if ! git rev-parse --quiet --verify "${baseline}^{commit}" >/dev/null; then
  # A shallow clone lacks the history to compare with: nothing to check
  # against, which is said rather than failed.
  echo "check-format: the baseline commit $baseline is not in this clone (a shallow clone?); not checked" >&2
  exit 0
fi
tool=(git clang-format-14 --binary clang-format-14 --extensions cpp,h --style file)
if [ "${1:-}" = "--fix" ]; then
  # --force: the files being edited are formatted too, staged or not.
  "${tool[@]}" --force "$baseline"
  exit 0
fi
# --diff prints the changes it would make, or one of two fixed sentences when
# there are none.
out=$("${tool[@]}" --diff "$baseline" || true)
case "$out" in
  ""|"no modified files to format"|"clang-format did not modify any files")
    echo "check-format: the C++ lines changed since ${baseline:0:12} are formatted"
    ;;
  *)
    printf '%s\n' "$out"
    echo "check-format: the lines above are not formatted as .clang-format says;" \
         "scripts/check-format.sh --fix formats them" >&2
    exit 1
    ;;
esac
