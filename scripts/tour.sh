#!/usr/bin/env bash
# A short tour of the default virtual world with dvctl.
# Usage: scripts/tour.sh BUILD_DIR   (a build folder holding bin/dvctl)
set -euo pipefail
build=${1:?usage: scripts/tour.sh BUILD_DIR}
dvctl="$build/bin/dvctl"
[ -x "$dvctl" ] || { echo "tour: $dvctl is not built" >&2; exit 1; }

# dvctl --sim keeps the virtual monitors' settings per user, in
# $XDG_STATE_HOME/dvctl/WORLD.json, so that what one run sets the next one
# reads. The tour uses a scratch state folder, so that it starts from the
# monitors' profiles and leaves the user's own settings alone.
state_dir=$(mktemp -d "${TMPDIR:-/tmp}/dvctl-tour.XXXXXX")
trap 'rm -rf "$state_dir"' EXIT
export XDG_STATE_HOME="$state_dir"

step() { printf '\n$ dvctl %s\n' "$*" >&2; "$dvctl" "$@"; }

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
echo "Save every writable setting, change one, and put them all back."
step --sim dump CX2740 >"$state_dir/CX2740-settings.json"
step --sim set CX2740 audio-volume 75
step --sim load CX2740 "$state_dir/CX2740-settings.json"
echo
echo "Read a setting, change it, and read it again in a new process: the"
echo "virtual monitors keep their settings between runs (--sim-fresh forgets them)."
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
echo "A mistyped name gets a suggestion; a command-line mistake exits 2."
step --sim get CX2740 osd-langauge || echo "(exit status $?)"
