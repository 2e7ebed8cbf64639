#!/usr/bin/env bash
# Instructions per part of calc_item, counted by callgrind: repeatable for the
# same binary and input whatever else the machine is doing.
#   bench/instructions.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
build=${1:-build/release}
driver=$build/bench/calc_instructions
few=10 many=110

collected() {  # collected ROUNDS [copy]
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$driver" "$@" 2>&1 >/dev/null |
    awk '/Collected :/ { print $NF }'
}
parts=$("$driver" 1 | awk '{ print $1 }')
per_part() {  # per_part [copy]
  local a b
  a=$(collected $few "$@")
  b=$(collected $many "$@")
  echo $(( (b - a) / ((many - few) * parts) ))
}
calc=$(per_part)
copy=$(per_part copy)
echo "instructions per part: $calc with the record copy, of which the copy $copy ($parts parts of 28 categories, callgrind)"
