#!/usr/bin/env bash
# Prints what the bash completion FILE offers after `gjbz108a LINE` (a LINE
# that ends with a blank completes a new word).
#   complete.sh FILE LINE
source "$1"
read -ra words <<<"$2"
[[ $2 == *' ' ]] && words+=('')
COMP_WORDS=(gjbz108a "${words[@]}")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_gjbz108a
echo "${COMPREPLY[*]}"
