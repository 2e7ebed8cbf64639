#!/usr/bin/env bash
# Rewrites the parameter reference of README.md, the lines between the markers
# "<!-- fields:begin -->" and "<!-- fields:end -->", with the output of
# `gjbz108a --list-fields`. Usage: tools/readme_fields.sh [PATH_TO_GJBZ108A]
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/release/tools/gjbz108a}
fields=$(mktemp)
trap 'rm -f "$fields"' EXIT
"$tool" --list-fields >"$fields"
awk -v fields="$fields" '
  /^<!-- fields:end -->$/ { while ((getline line < fields) > 0) print line; skipping = 0 }
  !skipping { print }
  /^<!-- fields:begin -->$/ { skipping = 1 }
' README.md >README.md.new
mv README.md.new README.md
