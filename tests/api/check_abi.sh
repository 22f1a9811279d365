#!/usr/bin/env bash
# libdvc imports its four siblings by name and exports only DvCtrl symbols.
set -euo pipefail
lib=$1
needed=$(readelf -d "$lib" | awk '/NEEDED/ {gsub(/[\[\]]/, "", $5); print $5}')
for sibling in libddclink.so.1 libhidlink.so.1 libproptag.so.1 libchromalib.so.1; do
  grep -qx "$sibling" <<< "$needed" || { echo "NEEDED lacks $sibling" >&2; exit 1; }
done
soname=$(readelf -d "$lib" | awk '/SONAME/ {gsub(/[\[\]]/, "", $5); print $5}')
[ "$soname" = libdvc.so.1 ] || { echo "soname is $soname" >&2; exit 1; }
others=$(nm -D --defined-only "$lib" | awk '{print $NF}' | grep -v -E '^(DvCtrl|_Z[0-9]+DvCtrl)' || true)
[ -z "$others" ] || { echo "exports beyond DvCtrl: $others" >&2; exit 1; }
# No code of the siblings inside: none of their functions is defined here.
own=$(nm -D --defined-only "$lib" | awk '{print $NF}' | grep -E '^(DvDDCCI|DvHID|Dvp|Colour_)' || true)
[ -z "$own" ] || { echo "libdvc defines sibling functions: $own" >&2; exit 1; }
echo "libdvc ABI: soname, NEEDED and exports as required"
