#!/usr/bin/env bash
# layer_order_test.sh -- each folder includes only itself and lower ones: common < settings < assets < game < render < host.
# An include of a higher folder says why on its own line ("// upward: ..."); at most six do.
#   layer_order_test.sh SOURCE_ROOT
set -u
cd "${1:-.}" || exit 2
grep -Hn '^#include "' common/* settings/* assets/* game/* render/* host/* | awk -F: '
    BEGIN { split("common settings assets game render host", order, " "); for (i in order) rank[order[i]] = i }
    {
        split($1, own, "/"); line = substr($0, length($1) + length($2) + 3)
        split(line, quoted, "\""); split(quoted[2], included, "/")
        if (!(included[1] in rank) || rank[included[1]] <= rank[own[1]]) next
        if (line ~ /\/\/ upward: /) { ++allowed; next }
        print $1 ":" $2 ": " included[1] "/ lies above " own[1] "/ (say why with \"// upward: ...\" or move it)"; ++faults
    }
    END {
        if (allowed > 6) { print allowed " upward includes; at most 6 may stay"; ++faults }
        exit faults > 0
    }'
