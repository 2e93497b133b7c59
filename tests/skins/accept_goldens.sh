#!/bin/sh
# Rewrites the golden pictures of the program's skins after a reviewed
# change: run from a build folder, then look at tests/skins/golden/*.png
# before committing them.
set -e
build="${1:-.}"
TANDRIL_ACCEPT_GOLDEN=1 TANDRIL_HEADLESS=1 "$build/tests/skins/skins_tests" --gtest_filter='ProgramSkinSample.*'
