#!/usr/bin/env bash
# One million parts through the command-line host: read, checked, computed and
# written as CSV, from a generated list (the part mix of bench/calc, with the
# cells it leaves empty taken from the component library's defaults). Prints
# the time against the 3-second target and the peak memory, beside the peak
# memory of a list ten times shorter: rows stream, so it grows only by what
# the check for repeated references keeps, 21 to 43 bytes a part.
#   bench/parts_list.sh [BUILD_DIR] [PARTS]     (default build/release, 1000000)
set -euo pipefail
build=${1:-build/release}
parts=${2:-1000000}
target_seconds=3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TALWEN_DB=$work/library.db

run() {  # run PARTS: prints "seconds cpu_seconds peak_kb" of one run
  "$build/bench/generate_parts_list" "$1" > "$work/parts.csv"
  /usr/bin/time -o "$work/time" -f '%e %U %S %M' \
    "$build/tools/gjbz108a" --format csv "$work/parts.csv" > "$work/out.csv" 2> "$work/err" ||
    { echo "gjbz108a failed on the generated list:" >&2; head -5 "$work/err" >&2; exit 1; }
  local summary
  summary=$(tail -1 "$work/out.csv")
  [[ $summary == *"parts read $1;"*"refused 0"* ]] ||
    { echo "not every part was computed: $summary" >&2; exit 1; }
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time"
}

run 1000 > /dev/null  # creates the library, so that no run pays for it
read -r short_seconds short_cpu short_kb <<< "$(run $((parts / 10)))"
read -r seconds cpu kb <<< "$(run "$parts")"
awk -v n="$parts" -v s="$seconds" -v c="$cpu" -v t="$target_seconds" -v kb="$kb" \
    -v short="$((parts / 10))" -v short_kb="$short_kb" 'BEGIN {
  printf "parts list: %d parts read, checked, computed and written as CSV in %.2f s (%.2f s of CPU), %.0f parts/s\n", n, s, c, n / s
  printf "parts list: %.2fx the %d-second target; peak memory %.1f MB (%.1f MB for %d parts)\n", t / s, t, kb / 1024, short_kb / 1024, short
}'
