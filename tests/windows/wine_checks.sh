#!/usr/bin/env bash
# The Windows builds against the Linux build, through Wine.
#
#   tests/windows/wine_checks.sh LINUX_BUILD X64_BUILD X86_BUILD
#
# For both Windows targets: the export tables hold, undecorated, every name
# that the public headers declare and only names that the Linux build's
# version scripts document, and the DLLs and the tool import only system DLLs
# and the C runtime. Under 64-bit Wine (and 32-bit Wine where it is
# installed): a C host loads gjbz108a.dll by name and calls it on the same
# records as on Linux, and gjbz108a.exe predicts the example parts lists; the
# output must be the Linux build's (line ends aside). Wine can exit 0 without
# having run a program at all, so what the programs print is compared, never
# only their exit status.
#
# The dialogs run in the system's windows there: `gjbz108a.exe dialog` for
# every category (as it opens: an empty list of actions closes it at once),
# and after the user's actions of tests/windows/dialog_actions/ITEMCODE.actions
# (performed through window messages), prints the same JSON as the headless
# run of the Linux build, compared whole: title, template, end code, focus,
# every control's id, class, text, label, enabled, visible and read-only
# state, items, selection and tool tip, the message boxes' captions and texts,
# and the parameters. The labels are found by the controls' rectangles read
# back from the windows; the rectangles themselves are not compared. The C
# host also calls edit_item over a window of its own while a second thread
# works in the dialog; the record written back must be the expected one.
#
# WINEPREFIX must name a booted prefix; the caller's TALWEN_DB is left alone:
# each build gets a fresh component library in a folder of its own.
set -euo pipefail
cd "$(dirname "$0")/../.."

linux=$1 x64=$2 x86=$3
# Wine's own messages would mix with the programs' standard error.
export WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# The names a header declares with its export macro.
declared_names() {  # MACRO HEADER...
  local macro=$1
  shift
  grep -hoE "^\s*$macro [^(]*\(" "$@" | sed -E 's/.*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)\($/\1/' | sort
}

# The names a version script documents (C++ names demangled).
documented_names() {  # MAP
  sed -nE -e '/^\s*local:/d' -e 's/^\s*([A-Za-z_][A-Za-z0-9_]*);$/\1/p' -e 's/^\s*"(.+)";$/\1/p' "$1" | sort
}

# The export table's names, C++ names demangled (they carry no leading
# underscore on either target).
exported_names() {  # TRIPLE DLL
  "$1-objdump" -p "$2" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -nE 's/^\s*\[ *[0-9]+\] //p' |
    "$1-c++filt" --no-strip-underscore | sort -u
}

check_export_table() {  # TRIPLE DLL MAP MACRO HEADER...
  local triple=$1 dll=$2 map=$3 macro=$4
  shift 4
  exported_names "$triple" "$dll" >"$work/exported"
  local missing undocumented
  missing=$(comm -23 <(declared_names "$macro" "$@") "$work/exported")
  undocumented=$(comm -13 <(documented_names "$map") "$work/exported")
  [ -z "$missing" ] || fail "$triple: $(basename "$dll") does not export what its headers declare: $missing"
  [ -z "$undocumented" ] || fail "$triple: $(basename "$dll") exports undocumented names: $undocumented"
}

# KERNEL32, USER32, GDI32, COMCTL32 and the C runtime are on every Windows;
# the build's own DLLs lie beside the programs.
check_imports() {  # OBJDUMP FILE
  local name others=()
  while read -r name; do
    [[ "${name,,}" =~ ^(kernel32|user32|gdi32|comctl32|msvcrt)\.dll$ ]] || [ -f "$(dirname "$2")/$name" ] ||
      others+=("$name")
  done < <("$1" -p "$2" | sed -n 's/^\s*DLL Name: //p')
  [ ${#others[@]} -eq 0 ] || fail "$(basename "$2") needs DLLs that not every Windows has: ${others[*]}"
}

check_exports() {  # TRIPLE BUILD
  local bin=$2/bin
  for file in "$bin/gjbz108a.dll" "$bin/TALWEN.DLL" "$bin/gjbz108a.exe"; do
    [ -f "$file" ] || { fail "$file was not built"; return; }
  done
  for file in "$bin"/*.dll "$bin"/*.DLL "$bin/gjbz108a.exe"; do check_imports "$1-objdump" "$file"; done
  check_export_table "$1" "$bin/gjbz108a.dll" src/gjbz108a.map GJBZ108A_API include/gjbz108a/*.h
  check_export_table "$1" "$bin/TALWEN.DLL" hosts/talwen/talwen.map TALWEN_API \
    hosts/talwen/include/talwen/talwen.h
}

# A Windows program's standard output with its line ends made Linux's.
run_windows() {  # OUTPUT PROGRAM ARGUMENTS...
  local output=$1
  shift
  local status=0
  wine "$@" >"$output.crlf" 2>"$output.err" || status=$?
  tr -d '\r' <"$output.crlf" >"$output"
  tr -d '\r' <"$output.err" >>"$output"
  echo "exit status $status" >>"$output"
}

run_linux() {  # OUTPUT PROGRAM ARGUMENTS...
  local output=$1
  shift
  local status=0
  "$@" >"$output" 2>"$output.err" || status=$?
  cat "$output.err" >>"$output"
  echo "exit status $status" >>"$output"
}

# What one build prints for every check run, in $work/NAME/.
run_all() {  # NAME RUNNER HOST PLUGIN TOOL
  local name=$1 runner=$2 host=$3 plugin=$4 tool=$5
  mkdir -p "$work/$name/library"
  export TALWEN_DB=$work/$name/library/library.db
  "$runner" "$work/$name/plugin_host" "$host" "$plugin"
  for list in examples/*.csv; do
    for format in text csv json; do
      "$runner" "$work/$name/$(basename "$list" .csv).$format" "$tool" --format "$format" "$list"
    done
    "$runner" "$work/$name/$(basename "$list" .csv).report" "$tool" report "$list"
  done
  # One at a time: Wine's programs share one desktop, where only one window
  # is active and has the focus.
  for code in "${categories[@]}"; do
    "$runner" "$work/$name/dialog-$code.json" "$tool" dialog "$code" --actions "$work/no-actions" --format json
  done
  for actions in tests/windows/dialog_actions/*.actions; do
    "$runner" "$work/$name/dialog-$(basename "$actions")" "$tool" dialog "$(basename "$actions" .actions)" \
      --actions "$actions" --format json
  done
}

compare() {  # WINDOWS_NAME
  local checks=0 failed_before=$failures
  for expected in "$work/linux"/*; do
    [ -f "$expected" ] && [[ "$expected" != *.err ]] || continue
    local actual=$work/$1/$(basename "$expected")
    checks=$((checks + 1))
    # A run that printed nothing was no run: the Linux answers are never empty.
    if [ "$(wc -l <"$actual")" -le 1 ]; then
      fail "$1: $(basename "$expected"): the program printed nothing: $(cat "$actual")"
    elif ! diff -q "$expected" "$actual" >/dev/null; then
      fail "$1: $(basename "$expected") differs from the Linux build's:
$(diff "$expected" "$actual" | head -20)"
    fi
  done
  [ "$failures" -gt "$failed_before" ] ||
    echo "$1: $checks runs under Wine print what the Linux build prints" >&2
}

check_exports x86_64-w64-mingw32 "$x64"
check_exports i686-w64-mingw32 "$x86"

# The categories: the item codes that have a dialog.
: >"$work/no-actions"
categories=()
for code in $(seq 0 40); do
  "$linux/tools/gjbz108a" dialog "$code" --actions "$work/no-actions" >/dev/null 2>&1 && categories+=("$code")
done
[ ${#categories[@]} -eq 28 ] || fail "the Linux build has dialogs for ${#categories[@]} categories, not 28"

# What the C host's user does in the resistor's dialog, and the record that
# OK writes back: edit state 3, the quantity typed, the style and quality
# picked (the parameter columns of the plug-in's report).
check_edit() {  # NAME HOST
  local output=$work/$1/edit
  run_windows "$output" "$2" gjbz108a.dll --edit
  cat >"$output.expected" <<'EXPECTED'
dialog "Resistor   GJB/Z 108A-2006 Detailed" owner host
quality disabled, enabled after the style
host enabled again
edit_item 1, edit state 3, quantity 7
  columns 0: [ Metal Film           ] [ 0      ] [ B1   ]
done
exit status 0
EXPECTED
  if diff "$output.expected" "$output" >"$output.diff"; then
    echo "$1: the C host's user edited a part in a real dialog from a second thread" >&2
  else
    fail "$1: the C host's edit_item run differs from the expected one:
$(cat "$output.diff")"
  fi
}

run_all linux run_linux "$linux/tests/plugin_host" "$linux/lib/libgjbz108a.so" "$linux/tools/gjbz108a"
grep -q '^done$' "$work/linux/plugin_host" || fail "the Linux host did not finish: $(tail -3 "$work/linux/plugin_host")"
run_all x64 run_windows "$x64/bin/plugin_host.exe" gjbz108a.dll "$x64/bin/gjbz108a.exe"
compare x64
check_edit x64 "$x64/bin/plugin_host.exe"

# Debian's 32-bit Wine is the package wine32 of the i386 architecture.
if [ -x /usr/lib/wine/wine ]; then
  run_all x86 run_windows "$x86/bin/plugin_host.exe" gjbz108a.dll "$x86/bin/gjbz108a.exe"
  compare x86
  check_edit x86 "$x86/bin/plugin_host.exe"
else
  echo "SKIPPED: the 32-bit Windows programs were not run: 32-bit Wine (Debian's wine32:i386) is not" \
       "installed. Their export tables and record layouts were checked." >&2
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures Windows checks failed" >&2
  exit 1
fi
echo "Windows checks passed" >&2
