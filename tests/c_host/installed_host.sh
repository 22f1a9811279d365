#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds the C host against
# what was installed there, as a C99 program outside the project's build.
# Usage: installed_host.sh BUILD_DIR SOURCE C_COMPILER
set -euo pipefail
build=$1 source=$2 cc=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(find "$prefix" -name 'libdvc.so.1' -printf '%h\n' | head -1)
"$cc" -std=c99 -pedantic -Wall -Wextra -Werror -I"$prefix/include" "$source" \
      -L"$libdir" -ldvc -Wl,-rpath,"$libdir" -o "$prefix/c_host"
"$prefix/c_host"
