#!/usr/bin/env bash
# One million parts through the command-line host, from a list that
# generate_parts_list writes (the part mix of bench/calc, the cells it leaves
# empty taken from the component library's defaults), each side of a ratio
# measured in this run, three times, the least taken:
#   - end to end: the CPU time of `gjbz108a --format csv` (read, checked,
#     computed and written) on one processor, against a plain Python
#     csv.reader pass over the same file; the target is at most 1.5 times.
#     Python is timed as its interpreter, not through a launcher script (a
#     version manager's shim) whose own start would pad its time;
#   - the same as instructions, counted by callgrind on a list ten times
#     shorter, each side's start left out: the same whatever the load;
#   - memory: the peak of the prediction and of `report --format csv`, beside
#     that of a list ten times shorter; the target is under 64 MB;
#   - two threads: the elapsed time on every processor this process may use
#     against one (taskset -c 0), and the CPU time that the second thread adds;
#     the tool starts it only where a processor stood idle while the first
#     50 ms of the list were read, so whether it started is looked up too (in
#     /proc/PID/task, a quarter second into the run). Met when two threads are
#     at least 1.1 times faster; with --busy also while a CPU hog runs on every
#     processor, where it is met when the second thread did not start or the
#     tool took at most 5 % more CPU than on one processor.
#   bench/parts_list.sh [--busy] [BUILD_DIR] [PARTS]     (default build/release, 1000000)
set -euo pipefail
busy=false
if [[ ${1:-} == --busy ]]; then
  busy=true
  shift
fi
build=${1:-build/release}
parts=${2:-1000000}
work=$(mktemp -d)
hogs=()
stop_hogs() {
  for pid in "${hogs[@]}"; do kill "$pid" 2> /dev/null || true; done
  for pid in "${hogs[@]}"; do wait "$pid" 2> /dev/null || true; done
  hogs=()
}
# The hogs die with the script however it ends.
trap 'stop_hogs; rm -rf "$work"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
export TALWEN_DB=$work/library.db
tool=$build/tools/gjbz108a

measure() {  # measure OUTPUT COMMAND...: prints "seconds cpu_seconds peak_kb"
  local out=$1
  shift
  /usr/bin/time -o "$work/time" -f '%e %U %S %M' "$@" > "$out" 2> "$work/err" ||
    { echo "failed: $*" >&2; head -5 "$work/err" >&2; exit 1; }
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time"
}

least() {  # least N COMMAND...: the least of each field over N runs
  local runs=$1
  shift
  for _ in $(seq "$runs"); do "$@"; done |
    awk 'NR == 1 || $1 < s { s = $1 } NR == 1 || $2 < c { c = $2 } NR == 1 || $3 < m { m = $3 }
         END { printf "%s %s %s\n", s, c, m }'
}

check_summary() {  # the closing row says every part was read and none refused
  local summary
  summary=$(tail -1 "$work/out.csv")
  [[ $summary == *"parts read $1;"*"refused 0"* ]] || { echo "not every part was computed: $summary" >&2; exit 1; }
}

threads() {  # threads COMMAND...: the threads the command's process has a quarter second in
  # Looked at once, and without starting a process: a poll that forks would
  # itself take the processor whose idle time the tool measures as it starts.
  local never pid tasks
  exec {never}<> <(:)  # a pipe that stays empty, for a read that waits without a sleep process
  "$@" > /dev/null 2>&1 &
  pid=$!
  read -r -t 0.25 -u "$never" _ || true
  tasks=("/proc/$pid/task/"*)
  [[ -e ${tasks[0]} ]] || tasks=()  # it had ended already
  exec {never}>&-
  wait "$pid" || true
  echo "${#tasks[@]}"
}

counted() {  # counted COMMAND...: the instructions callgrind counts, on one processor
  taskset -c 0 valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 > /dev/null |
    awk '/ I +refs:/ { gsub(",", "", $NF); print $NF }'
}

"$build/bench/generate_parts_list" 1000 > "$work/parts.csv"
measure "$work/out.csv" "$tool" --format csv "$work/parts.csv" > /dev/null  # creates the library
"$build/bench/generate_parts_list" $((parts / 10)) > "$work/short.csv"
"$build/bench/generate_parts_list" "$parts" > "$work/parts.csv"
head -1 "$work/parts.csv" > "$work/header.csv"

echo "parts list: load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
read -r _ _ short_kb <<< "$(measure "$work/out.csv" "$tool" --format csv "$work/short.csv")"
read -r _ _ report_kb <<< "$(measure "$work/report.csv" "$tool" report --format csv "$work/parts.csv")"
read -r one_s one_cpu one_kb <<< "$(least 3 measure "$work/out.csv" taskset -c 0 "$tool" --format csv "$work/parts.csv")"
check_summary "$parts"
read -r two_s two_cpu two_kb <<< "$(least 3 measure "$work/out.csv" "$tool" --format csv "$work/parts.csv")"
check_summary "$parts"
two_threads=$(threads "$tool" --format csv "$work/parts.csv")
python=$(python3 -c 'import sys; print(sys.executable)' 2> /dev/null || true)
if [[ -n $python ]]; then
  cat > "$work/split.py" <<'PY'
import csv, sys
with open(sys.argv[1], newline="", encoding="utf-8") as f:
    for row in csv.reader(f):
        pass
PY
  read -r _ python_cpu _ <<< "$(least 3 measure /dev/null "$python" "$work/split.py" "$work/parts.csv")"
else
  python_cpu=0
fi

awk -v n="$parts" -v one_s="$one_s" -v one_cpu="$one_cpu" -v two_s="$two_s" -v two_cpu="$two_cpu" \
    -v py="$python_cpu" -v kb="$two_kb" -v one_kb="$one_kb" -v short_kb="$short_kb" -v short=$((parts / 10)) \
    -v report_kb="$report_kb" -v threads="$two_threads" -v load="$(cut -d' ' -f1 /proc/loadavg)" 'BEGIN {
  verdict = "no Python to compare with"
  if (py > 0) verdict = sprintf("%.2fx Python csv.reader (%.2f s), target 1.5: %s", one_cpu / py, py,
                                one_cpu / py <= 1.5 ? "met" : "NOT met")
  printf "parts list: %d parts read, checked, computed and written as CSV in %.2f s of CPU on one processor: %s\n", n, one_cpu, verdict
  top = kb > report_kb ? kb : report_kb
  printf "parts list: peak memory %.1f MB (%.1f MB for %d parts, %.1f MB on one processor), report %.1f MB; target 64 MB: %s\n",
         kb / 1024, short_kb / 1024, short, one_kb / 1024, report_kb / 1024, top < 64 * 1024 ? "met" : "NOT met"
  printf "parts list: two threads %.2f s elapsed against %.2f s on one processor (taskset -c 0): %.2fx; CPU %.2f s against %.2f s (%+.0f %%)\n",
         two_s, one_s, one_s / two_s, two_cpu, one_cpu, (two_cpu / one_cpu - 1) * 100
  if (threads == 0)
    printf "parts list: target 4, idle: not measured: the list took less than a quarter second\n"
  else if (threads < 2)
    printf "parts list: target 4, idle: not measured: the second thread did not start, as no processor stood idle (load average %s); run again on an idle machine\n", load
  else
    printf "parts list: target 4, idle: two threads %.2fx as fast as one processor, target 1.1: %s\n",
           one_s / two_s, (one_s / two_s >= 1.1 ? "met" : "NOT met")
}'

if [[ -n $python ]] && command -v valgrind > /dev/null; then
  tool_instructions=$(( $(counted "$tool" --format csv "$work/short.csv") -
                        $(counted "$tool" --format csv "$work/header.csv") ))
  python_instructions=$(( $(counted "$python" "$work/split.py" "$work/short.csv") -
                          $(counted "$python" "$work/split.py" "$work/header.csv") ))
  awk -v n=$((parts / 10)) -v t="$tool_instructions" -v p="$python_instructions" 'BEGIN {
    printf "parts list: %d instructions a part against Python csv.reader'"'"'s %d (%d parts, callgrind, start left out): %.2fx\n",
           t / n, p / n, n, t / p
  }'
fi

if $busy; then
  for ((cpu = 0; cpu < $(nproc); cpu++)); do
    taskset -c "$cpu" awk 'BEGIN { while (1) {} }' &
    hogs+=("$!")
  done
  read -r busy_one_s busy_one_cpu _ <<< "$(least 3 measure "$work/out.csv" taskset -c 0 "$tool" --format csv "$work/parts.csv")"
  read -r busy_two_s busy_two_cpu _ <<< "$(least 3 measure "$work/out.csv" "$tool" --format csv "$work/parts.csv")"
  busy_threads=$(threads "$tool" --format csv "$work/parts.csv")
  stop_hogs
  awk -v hogs="$(nproc)" -v one_s="$busy_one_s" -v one_cpu="$busy_one_cpu" -v two_s="$busy_two_s" \
      -v two_cpu="$busy_two_cpu" -v threads="$busy_threads" 'BEGIN {
    more = (two_cpu / one_cpu - 1) * 100
    printf "parts list, busy (a CPU hog on each of %d processors): on every processor CPU %.2f s against %.2f s on one processor (%+.0f %%), elapsed %.2f s against %.2f s; the second thread %s\n",
           hogs, two_cpu, one_cpu, more, two_s, one_s, (threads < 2 ? "did not start" : "started")
    # Without its second thread the tool runs as on one processor: what the CPU
    # times differ by then is the noise between runs, not a cost.
    if (threads < 2)
      printf "parts list: target 4, busy: costs nothing on a busy machine, as the second thread did not start: met\n"
    else
      printf "parts list: target 4, busy: %s, target at most 5 %% more CPU: %s\n",
             (more <= 5 ? "costs nothing on a busy machine" : sprintf("costs %.0f %% more CPU on a busy machine", more)),
             (more <= 5 ? "met" : "NOT met")
  }'
fi
