#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 60) and reports, per target,
# the executions per second, the corpus size and what was found.
# Usage: scripts/fuzz.sh [seconds] [target...]
# FUZZ_JOBS=n runs n targets at once (default: one a core).
#
# Built in the fuzz preset (clang with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, build-fuzz/). Each target starts from its seeds in
# fuzz/corpus/<target>/ and keeps what it learns in build-fuzz/corpus/<target>/.
# A crash, a hang (over 2 s), an allocation past 512 MB or a process past 2 GB
# is written to
# build-fuzz/findings/<target>/ and the target starts again for the time left.
# Each finding, once mended, goes into fuzz/regressions/<target>/, where every
# build replays it as a test.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
scripts/deps.sh
# The fuzzer's compiler and runtime, needed here only.
need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
PRESET=fuzz scripts/build.sh --target fuzz_all || exit 1

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(procs listfile tablefile memoryfile inifile grid cli)
out=build-fuzz
# The program folders of the targets on a memory file system when there is one.
[ -w /dev/shm ] && export FUZZ_HOME_BASE=/dev/shm
# A smaller quarantine than the default 256 MB. Freed memory that ASan's
# allocator keeps still makes a long run's RSS grow (the live heap stays near
# 27 MB): the process may reach 2 GB, and any one allocation past 512 MB is a
# finding.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:quarantine_size_mb=64
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# One target a core at a time: each libFuzzer process uses one thread.
jobs=${FUZZ_JOBS:-$(nproc)}
fuzz_target() {
  local t=$1
  local corpus=$out/corpus/$t findings=$out/findings/$t logs=$out/logs/$t
  mkdir -p "$corpus" "$findings" "$logs"
  local dict=()
  [ -f fuzz/dict/$t.dict ] && dict=(-dict=fuzz/dict/$t.dict)
  local start runs=0 execs=0 left log n
  start=$(date +%s)
  while :; do
    left=$(( seconds - ($(date +%s) - start) ))
    [ "$left" -le 1 ] && break
    runs=$((runs + 1))
    log=$logs/run-$runs.log
    "$out/fuzz/fuzz_$t" -max_total_time="$left" -timeout=2 -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$findings/" "${dict[@]}" \
      "$corpus" "fuzz/corpus/$t" >"$log" 2>&1
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    execs=$((execs + ${n:-0}))
  done
  local elapsed=$(( $(date +%s) - start ))
  local found size
  found=$(find "$findings" -type f | wc -l)
  size=$(find "$corpus" -type f | wc -l)
  printf '%-11s %8d execs in %4d s = %6d/s, corpus %5d, runs %d, findings %d\n' \
         "$t" "$execs" "$elapsed" $(( execs / (elapsed > 0 ? elapsed : 1) )) "$size" "$runs" "$found" \
    | tee "$logs/summary"
}
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_target "$t" &
done
wait
echo
for t in "${targets[@]}"; do cat "$out/logs/$t/summary"; done
found=$(find "$out/findings" -type f 2>/dev/null | wc -l)
[ "$found" -eq 0 ] || { echo "findings in $out/findings/"; exit 1; }
