#!/bin/bash
# Builds plain_link_program.cpp against the project's static libraries with
# a plain link line (-L and -l only: no whole-archive, no undefined-symbol
# options; every library the project's libraries use, the printer's cairo
# and CUPS too, since a unity build puts the printing code in with code
# every program takes) and runs it on an Xvfb of its own.
#
#   plain_link_test.sh <c++ compiler> <source folder> <work folder> "<compile flags>" <library folder>...
set -eu
cxx=$1 source=$2 work=$3 flags=$4
shift 4
mkdir -p "$work"
search=()
for folder in "$@"; do
  search+=("-L$folder")
done
# shellcheck disable=SC2086  # the flags are words on purpose
"$cxx" -std=c++20 -fexec-charset=GBK $flags -I"$source" "$source/tests/linking/plain_link_program.cpp" \
  -o "$work/plain_link_program" "${search[@]}" \
  -leditor -lplatform_ui -lplatform_win -lplatform_gdi -lplatform_base \
  -lX11 -lXext -lXtst -lXrandr -lXfixes -lfreetype -lfontconfig -lpng -lz -lcairo -lcups

"$source/tests/linking/on_xvfb.sh" "$work" "$work/plain_link_program"
