#!/usr/bin/env bash
# Builds the library and its tools and runs a short tour on the built-in
# virtual monitors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release -DDVC_BUILD_TESTS=ON >/dev/null
if [ -f tools/dvctl/CMakeLists.txt ] && [ -f scripts/tour.sh ]; then
  cmake --build --preset release --target dvctl dvcsim
  exec scripts/tour.sh build/release
fi
cmake --build --preset release --target c_host_version
build/release/bin/c_host_version
echo "no monitors: the virtual monitors and dvctl are not built yet"
