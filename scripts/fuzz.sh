#!/usr/bin/env bash
# Runs a fuzz target of a parser for SECONDS (600 unless given) on its kept corpus, with
# its dictionary; "all" runs every target in turn. Usage: scripts/fuzz.sh TARGET|all [SECONDS]
# The targets are built with clang into build-fuzz/ (or ORMEDA_FUZZ_BUILD_DIR). What the
# run adds to the corpus stays in <build>/corpus/<target>/, its output in
# <build>/logs/<target>.log. A crash, a sanitizer report, a leak, an input slower than
# 30 s or a broken property fails the run: the log's end and the input, in hex and in
# Base64, are printed, and the input is kept in <build>/findings/<target>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?"usage: scripts/fuzz.sh TARGET|all [SECONDS]"}
seconds=${2:-600}
build=${ORMEDA_FUZZ_BUILD_DIR:-$root/build-fuzz}

if [ "$target" = all ]; then
  status=0
  for corpus in "$root"/fuzz/corpus/*/; do
    "$0" "$(basename "$corpus")" "$seconds" || status=1
  done
  exit $status
fi
[ -d "$root/fuzz/corpus/$target" ] || { echo "no fuzz target $target (see fuzz/corpus/)" >&2; exit 2; }

"$root/scripts/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DORMEDA_FUZZ=ON >/dev/null
fi
cmake --build "$build" --target "fuzz_$target" >/dev/null

mkdir -p "$build/corpus/$target" "$build/findings/$target" "$build/logs"
log="$build/logs/$target.log"
options=(-max_total_time="$seconds" -timeout=30 -print_final_stats=1 -artifact_prefix="$build/findings/$target/")
[ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
export LSAN_OPTIONS="suppressions=$root/fuzz/qt.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
echo "fuzz $target: ${seconds} s"
if "$build/fuzz/fuzz_$target" "${options[@]}" "$build/corpus/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" \
    | sed "s/^/  /"
  exit 0
fi
echo "fuzz $target FAILED; the end of $log:"
tail -n 60 "$log"
for input in "$build/findings/$target"/*; do
  [ -f "$input" ] || continue
  echo "input $(basename "$input") ($(stat -c %s "$input") bytes), hex:"
  od -An -tx1 -v "$input" | head -n 200
  echo "Base64:"
  base64 -w 76 "$input" | head -n 200
done
exit 1
