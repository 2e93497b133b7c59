#!/bin/bash
# Runs a command on an Xvfb of its own, with DISPLAY naming it and nothing
# asking for the headless back end.
#
#   on_xvfb.sh <work folder> <command> [argument]...
set -eu
work=$1
shift
mkdir -p "$work"
# Xvfb picks a free display itself and writes its number once it listens;
# a file of this run's own, since several runs may share the work folder.
displays=$(mktemp "$work/display.XXXXXX")
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$displays" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true; rm -f "$displays"' EXIT
for _ in $(seq 100); do
  [ -s "$displays" ] && break
  sleep 0.1
done
[ -s "$displays" ] || { echo "Xvfb gave no display"; exit 1; }
unset TANDRIL_HEADLESS TANDRIL_BACKEND
DISPLAY=":$(head -n1 "$displays")" "$@"
