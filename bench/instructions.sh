#!/usr/bin/env bash
# Instructions per part of calc_item, counted by callgrind: repeatable for the
# same binary and input whatever else the machine is doing.
#   bench/instructions.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
build=${1:-build/release}
driver=$build/bench/calc_instructions
few=10 many=110

collected() {  # collected ROUNDS WORK RECORDS
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$driver" "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { print $NF }'
}
per_part() {  # per_part WORK RECORDS
  local parts a b
  parts=$("$driver" 1 "$@" | awk '{ print $1 }')
  a=$(collected $few "$@")
  b=$(collected $many "$@")
  echo $(( (b - a) / ((many - few) * parts) ))
}
calc=$(per_part calc mix)
copy=$(per_part copy mix)
echo "instructions per part: $calc with the record copy, of which the copy $copy (part mix of 28 categories, callgrind)"
calc=$(per_part calc random)
floor=$(per_part floor random)
echo "instructions per part on random valid records: calc_item $calc, floor kernel $floor:" \
  "$(awk -v c="$calc" -v f="$floor" 'BEGIN { printf "%.2f", c / f }') x the floor (callgrind)"
