#!/bin/sh
# Installs the station's library and host files from the build folder $1
# into a folder of its own, builds this host project against them alone
# and runs it to the station's first page.
set -e
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orelle-host.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The host's settings and caches go with the work folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
for part in runtime host; do
  cmake --install "$build" --prefix "$work/prefix" --component $part >/dev/null
done
cmake -S "$here" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$work/build" >/dev/null
# Nothing of the source tree reaches the host's build.
src=$(cd "$here/../.." && pwd)
if grep -q "$src/include" "$work/build/compile_commands.json"; then
  echo "the host's build reads the station's source tree" >&2
  exit 1
fi
pc=$(find "$work/prefix" -name orelle.pc)
# pkg-config names the installed headers and library.
include=$(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --cflags-only-I orelle | sed 's/^-I//; s/ .*//')
libdir=$(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --variable=libdir orelle)
test -f "$include/orelle/CPhotoWnd.h" && test -e "$libdir/liborelle.so"
# The library exports the host interface alone: no internal type's RTTI.
if nm -DC --defined-only "$libdir/liborelle.so" | grep -E ' [A-Z] (typeinfo|vtable)' |
  grep -v 'orelle::HostMessage$' >&2; then
  echo "liborelle exports the type information of internal types" >&2
  exit 1
fi
QT_QPA_PLATFORM=offscreen "$work/build/orelle-host"
