#!/usr/bin/env bash
# Which folder under src/ includes which: one line "from -> to  count" per
# pair of folders, counting #include lines of project headers. Pairs that
# include each other both ways are listed at the end.
set -euo pipefail
cd "$(dirname "$0")/../src"
grep -rHoE '^#include "[a-z]+/' --include='*.h' --include='*.cpp' . |
    sed -E -e 's|^\./[^/]+:#include "([a-z]+)/$|main \1|' -e 's|^\./([^/]+)/.*:#include "([a-z]+)/$|\1 \2|' |
    awk '$1 != $2 { count[$1 " -> " $2]++ } END { for (pair in count) printf "%-24s %d\n", pair, count[pair] }' |
    sort >/tmp/include-graph.$$
cat /tmp/include-graph.$$
echo "both ways:"
awk '{ print $1, $3 }' /tmp/include-graph.$$ |
    awk '{ seen[$1 " " $2] = 1 } END { for (p in seen) { split(p, f, " "); if ((f[2] " " f[1]) in seen && f[1] < f[2]) print "  " f[1] " <-> " f[2] } }' |
    sort
rm -f /tmp/include-graph.$$
