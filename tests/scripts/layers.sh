#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# The layers depend one way, gui -> render -> core and gui -> mail -> core,
# with app/ on top: a core file includes nothing from mail/, render/, gui/ or
# app/, a render or mail file nothing from each other, gui/ or app/, a gui
# file nothing from app/. Within gui/ and render/ the folders depend one way
# too: no folder includes from a folder that includes from it. Lists every
# include that points the wrong way, and every such pair, and fails.
#   layers.sh SOURCE_DIR         checks the tree
#   layers.sh --self-test        checks that a planted include of each kind is
#                                found and that a clean tree passes
set -euo pipefail

# LAYER, then the layers it must not include.
rules=(
  "core mail render gui app"
  "render mail gui app"
  "mail render gui app"
  "gui app"
)

# The layers whose folders must not include each other both ways.
looped_layers=(gui render)

# "FROM TO" for every folder of the layer that includes from another of it.
folder_includes() {
  local root=$1 layer=$2
  (cd "$root" && grep -rhoE --include='*.cpp' --include='*.h' \
    "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]${layer}/[^/]+/" "$layer" --with-filename || true) |
    sed -E "s#^(${layer}/[^/]+)/[^:]*:.*[\"<](${layer}/[^/]+)/\$#\1 \2#" | awk '$1 != $2' | sort -u
}

check_loops() {
  local root=$1 found=0 layer pairs from to
  for layer in "${looped_layers[@]}"; do
    [ -d "$root/$layer" ] || continue
    pairs=$(folder_includes "$root" "$layer")
    while read -r from to; do
      [ -n "$from" ] || continue
      if grep -qx "$to $from" <<<"$pairs" && [[ "$from" < "$to" ]]; then
        echo "$from/ and $to/ include from each other"
        found=1
      fi
    done <<<"$pairs"
  done
  return $found
}

check_tree() {
  local root=$1 found=0 rule layer forbidden hits
  for rule in "${rules[@]}"; do
    read -r layer forbidden <<<"$rule"
    [ -d "$root/$layer" ] || continue
    hits=$(cd "$root" && grep -rnE --include='*.cpp' --include='*.h' \
      "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<](${forbidden// /|})/" "$layer" || true)
    if [ -n "$hits" ]; then
      echo "$layer/ must not include from ${forbidden// /\/, }/:"
      printf '  %s\n' "$hits"
      found=1
    fi
  done
  check_loops "$root" || found=1
  return $found
}

self_test() {
  local tree failed=0
  tree=$(mktemp -d)
  trap 'rm -rf "$tree"' RETURN
  mkdir -p "$tree"/{core/data,render/print,mail/smtp,gui/main,gui/pages,app/cli}
  printf '#include "core/data/A.h"\n#include <QString>\n' >"$tree/core/data/A.cpp"
  printf '#include "core/data/A.h"\n' >"$tree/render/print/P.cpp"
  printf '#include "core/data/A.h"\n' >"$tree/mail/smtp/S.cpp"
  printf '#include "render/print/P.h"\n#include "mail/smtp/S.h"\n#include "core/data/A.h"\n' >"$tree/gui/main/W.cpp"
  printf '#include "gui/main/W.h"\n' >"$tree/app/cli/main.cpp"
  printf '#include "gui/pages/G.h"\n' >>"$tree/gui/main/W.cpp"
  # A mention in a comment is no include.
  printf '// moved from #include "gui/main/W.h"\n' >"$tree/core/data/B.h"
  if ! check_tree "$tree" >/dev/null; then echo "FAILED: a clean tree is refused"; failed=1; fi

  local plant
  for plant in 'core/data/A.cpp:#include "render/print/P.h"' \
               'core/data/A.h:  #  include <gui/main/W.h>' \
               'core/data/A.cpp:#include "app/cli/Console.h"' \
               'core/data/A.h:#include "mail/smtp/S.h"' \
               'render/print/P.h:#include "gui/main/W.h"' \
               'render/print/P.h:#include "mail/smtp/S.h"' \
               'mail/smtp/S.cpp:#include "render/print/P.h"' \
               'mail/smtp/S.cpp:#include "gui/main/W.h"' \
               'render/print/P.cpp:#include "app/cli/Console.h"' \
               'gui/main/W.cpp:#include "app/cli/Console.h"' \
               'gui/pages/G.h:#include "gui/main/W.h"'; do
    local file=${plant%%:*} line=${plant#*:}
    cp -a "$tree" "$tree.planted"
    printf '%s\n' "$line" >>"$tree.planted/$file"
    if check_tree "$tree.planted" >/dev/null; then echo "FAILED: not found: $line in $file"; failed=1; fi
    rm -rf "$tree.planted"
  done
  return $failed
}

if [ "${1:-}" = "--self-test" ]; then
  self_test && echo "layers: every planted include found"
  exit
fi
check_tree "${1:?usage: layers.sh SOURCE_DIR | --self-test}" && echo "layers: every include points down"
