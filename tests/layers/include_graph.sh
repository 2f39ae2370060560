#!/usr/bin/env bash
# The include graph between the project's folders, and whether it runs along the arrows:
#   app -> pages -> overtime -> records -> clock;  report -> pages;  bench -> app
# (an arrow reaches everything below it); platform, below everything, is for the programs' mains.
# Prints each folder with the folders it includes and how
# many includes go there; exits 1 naming every include against the arrows.
#
#   tests/layers/include_graph.sh [project root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

# The folders each folder may include, itself always allowed.
declare -A allowed=(
  [platform]=""
  [clock]=""
  [records]="clock"
  [overtime]="records clock"
  [pages]="overtime records clock"
  [app]="pages overtime records clock platform"
  [report]="pages overtime records clock platform"
  [bench]="app pages overtime records clock platform"
  [desktop]="platform"
)

status=0
for folder in platform clock records overtime pages app report bench desktop; do
  [ -d "$folder" ] || continue
  # "folder/x.h" -> folder, for every project include of the folder's sources.
  targets=$(grep -rhoE '^#include "[a-z_]+/' --include='*.cpp' --include='*.h' "$folder" |
            sed -E 's/#include "([a-z_]+)\//\1/' | sort | uniq -c | sort -rn |
            awk -v self="$folder" '$2 != self { printf "%s%s (%d)", sep, $2, $1; sep = ", " }')
  echo "$folder -> ${targets:-(nothing)}"
  while IFS=: read -r file line include; do
    target=$(sed -E 's/#include "([a-z_]+)\/.*/\1/' <<<"$include")
    if [ "$target" != "$folder" ] && [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "  against the arrows: $file:$line: $include" >&2
      status=1
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' --include='*.cpp' --include='*.h' "$folder" || true)
done
# A header named without its folder hides where it comes from.
if bare=$(grep -rnE '^#include "[^/"]+"' --include='*.cpp' --include='*.h' \
            platform clock records overtime pages app report bench desktop tests 2>/dev/null); then
  echo "$bare" | sed 's/^/  without its folder: /' >&2
  status=1
fi
exit $status
