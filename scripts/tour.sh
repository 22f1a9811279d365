#!/usr/bin/env bash
# A short tour of the default virtual world with dvctl.
# Usage: scripts/tour.sh BUILD_DIR   (a build folder holding bin/dvctl)
set -euo pipefail
build=${1:?usage: scripts/tour.sh BUILD_DIR}
dvctl="$build/bin/dvctl"
[ -x "$dvctl" ] || { echo "tour: $dvctl is not built" >&2; exit 1; }

# The virtual monitors keep their settings in a state file, so that what
# one dvctl run sets the next one reads; a fresh one for this tour.
state_dir=$(mktemp -d "${TMPDIR:-/tmp}/dvctl-tour.XXXXXX")
trap 'rm -rf "$state_dir"' EXIT
export DVC_SIM_STATE="$state_dir/monitors.json"

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
echo
echo "What the modern monitor can do, feature by feature: each feature's"
echo "Supported export is asked once."
step --sim features CX2740
echo
echo "Read a setting, change it, and read it again in a new process."
step --sim get CX2740 osd-language
step --sim set CX2740 osd-language 3
step --sim get CX2740 osd-language --json
echo
echo "A colour channel, and a data block shown as hex."
step --sim get CX2740 gain --channel 1
step --sim get CX2740 auto-thriftlux-settings
echo
echo "The picture as a colour person tunes it: percent or raw steps, the"
echo "nearest gamma and colour temperature the monitor has, printed back."
step --sim set CX2740 brightness 40%
step --sim set CX2740 gamma 2.3
step --sim set MX2420 color-temperature 6000
step --sim picture CX2740
echo
echo "Colour modes and inputs by the names the monitor gives them."
step --sim modes CX2740
step --sim set CX2740 mode srgb
step --sim set CX2740 input hdmi2
step --sim get CX2740 input
echo
echo "A value the monitor does not take is refused, and dvctl says so."
step --sim set CX2740 osd-language 99 || true
echo
echo "A mistyped name gets a suggestion."
step --sim get CX2740 osd-langauge || true
