#!/usr/bin/env bash
# Fails when libdvc exports a symbol that is not a listed DvCtrl export.
# Usage: check-exports.sh LIBRARY EXPORT_LIST
set -euo pipefail
lib=$1 list=$2
symbols=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TWDBVRi]$/ {print $3}')
bad=0
while read -r sym; do
  [ -z "$sym" ] && continue
  name=$sym
  # The two C++-named exports: the function name inside the mangled name,
  # whose length the number before it gives.
  if [[ $sym =~ ^_Z([0-9]+)(DvCtrl.*) ]]; then name=${BASH_REMATCH[2]:0:${BASH_REMATCH[1]}}; fi
  case "$name" in
    DvCtrl*) grep -qx -- "$name" "$list" || { echo "check-exports: $name is not in the export list" >&2; bad=1; } ;;
    *) echo "check-exports: $sym is exported but is not a DvCtrl function" >&2; bad=1 ;;
  esac
done <<< "$symbols"
count=$(printf '%s\n' "$symbols" | grep -c . || true)
echo "check-exports: $count of $(grep -c . "$list") listed exports present"
exit $bad
