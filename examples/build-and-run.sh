#!/usr/bin/env bash
# Installs a build into a scratch prefix, builds every example against it
# twice, through pkg-config and through find_package(libdvc), and runs each
# on the virtual monitors.
# Usage: examples/build-and-run.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
pcdir=$(dirname "$(find "$prefix" -name libdvc.pc | head -1)")
libdir=$(pkg-config --variable=libdir "$pcdir/libdvc.pc")
export DVC_SIM=default DVC_SIM_STATE="$prefix/state.json"

run() {  # the example's name, then its program
  case $1 in
    watch_reports) "$2" 1 ;;
    *) "$2" ;;
  esac >/dev/null
}

mkdir "$prefix/pc"
for source in "$here"/*.c; do
  name=$(basename "$source" .c)
  # shellcheck disable=SC2046
  cc -std=c99 -Wall -Wextra -pedantic -Werror "$source" -o "$prefix/pc/$name" \
     $(PKG_CONFIG_PATH="$pcdir" pkg-config --cflags --libs libdvc) -Wl,-rpath,"$libdir"
  run "$name" "$prefix/pc/$name" || { echo "$name (pkg-config) failed" >&2; exit 1; }
done

cmake -S "$here" -B "$prefix/cm" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
      -DCMAKE_BUILD_RPATH="$libdir" >/dev/null
cmake --build "$prefix/cm" >/dev/null
for source in "$here"/*.c; do
  name=$(basename "$source" .c)
  run "$name" "$prefix/cm/$name" || { echo "$name (find_package) failed" >&2; exit 1; }
done
echo "examples: $(ls "$here"/*.c | wc -l) built twice and run"
