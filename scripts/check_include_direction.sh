#!/usr/bin/env bash
# Checks that the program's includes point down the layers: platform/ below
# everything, within it base < gdi < win < ui < db < shell; the editor's own
# folders below the control, the highlighter above it and the editor
# services above both, each of their folders in its order; the skin's data
# below its controls below its form; the program above all. A folder may
# include its own files and anything below it in its chain or in platform/.
# Prints every include that points up or across and exits 1 if there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# folder rank chain, most specific first (the first prefix that fits wins).
layers='
platform/base 10 platform
platform/gdi 11 platform
platform/win 12 platform
platform/ui 13 platform
platform/db 14 platform
platform/shell 15 platform
editor/document 20 editor
editor/folding 21 editor
editor/highlighting 22 editor
editor/view 23 editor
editor 24 editor
highlighter 30 editor
editor_services/dialogs 40 editor
editor_services/search 41 editor
editor_services/export 42 editor
editor_services/printing 43 editor
editor_services/spelling 44 editor
editor_services/settings 46 editor
editor_services/actions 47 editor
editor_services 45 editor
skin/data 50 skin
skin/controls 51 skin
skin/form 52 skin
skins 53 skin
app 90 program
'

find platform editor highlighter editor_services skin skins app -name '*.cpp' -o -name '*.h' |
  while IFS= read -r file; do
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" |
      while IFS= read -r inc; do
        [[ -f "$inc" ]] && printf '%s %s\n' "$file" "$inc"
      done
  done |
  awk -v layers="$layers" '
    BEGIN {
      n = split(layers, lines, "\n")
      for (i = 1; i <= n; i++) {
        if (split(lines[i], f, " ") == 3) { k++; prefix[k] = f[1]; rank[k] = f[2]; chain[k] = f[3] }
      }
    }
    function layer(path,   i) {
      for (i = 1; i <= k; i++)
        if (index(path, prefix[i] "/") == 1) return i
      return 0
    }
    {
      from = layer($1); to = layer($2)
      if (!from || !to || from == to) next
      across = chain[to] != chain[from] && chain[to] != "platform" && chain[from] != "program"
      if (rank[to] > rank[from] || across) {
        printf "%s includes %s: %s is not below %s\n", $1, $2, prefix[to], prefix[from]
        bad = 1
      }
    }
    END { exit bad }
  '
