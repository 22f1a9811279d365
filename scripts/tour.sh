#!/usr/bin/env bash
# A short tour of the default virtual world with dvctl.
# Usage: scripts/tour.sh BUILD_DIR   (a build folder holding bin/dvctl)
set -euo pipefail
build=${1:?usage: scripts/tour.sh BUILD_DIR}
dvctl="$build/bin/dvctl"
[ -x "$dvctl" ] || { echo "tour: $dvctl is not built" >&2; exit 1; }

step() { printf '\n$ dvctl %s\n' "$*"; "$dvctl" "$@"; }

echo "The default virtual world: five monitors on the desk."
step --sim list
echo
echo "An older office monitor: no property tags, so its description comes"
echo "from the library's built-in tables."
step --sim info 17200455
echo
echo "A modern monitor reached over USB and the video cable, named by model."
step --sim info CX2740
echo
echo "The colour-grading monitor, as JSON for scripts."
step --sim info CG3180 --json
