#!/usr/bin/env bash
# Installs what is missing, builds the program (Release, in build/release)
# and starts Tandril on the user's X display with the notes database in the
# user's data folder, made on the first start. The program's exit code is
# this script's.
set -euo pipefail
# Checked before anything is installed or built: without a display there is
# nothing to start.
if [[ -z "${DISPLAY:-}" ]]; then
  echo "Tandril needs an X display (DISPLAY is not set)" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANDRIL_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tandril

exec "$build/app/tandril" --default-database "${XDG_DATA_HOME:-$HOME/.local/share}/tandril/notes.vek"
