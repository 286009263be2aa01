#!/usr/bin/env bash
# Fails when a file under src/ includes a header from a layer it may not use: prints
# FILE:LINE, the include and the rule it breaks, and exits 1.
# Usage: check_layers.sh [SRC_DIR]   (default: the src/ folder of this checkout)
set -euo pipefail

# Each layer (a folder under src/, lowest first) and the layers its files may include
# besides their own. platform/qt, platform/headless and platform/db are leaves that only
# app/ may use among the layers (tools and tests use them too). nav/ and events/ sit
# side by side and know nothing of each other; report/ sits beside events/ and reads
# the record, never the windows. A folder missing here fails the check, so a new layer
# gets its line; a listed folder that does not exist yet is fine.
rules='
platform           -
platform/qt        platform
platform/headless  platform
platform/db        platform
text               platform
config             text platform
grid               config text platform
record             grid config text platform
forms              record grid config text platform
lists              forms record grid config text platform
nav                lists forms record grid config text platform
events             lists forms record grid config text platform
report             record grid config text platform
station            report events nav lists forms record grid config text platform
app                station report events nav lists forms record grid config text platform platform/qt platform/headless platform/db
'

root=${1:-$(dirname "$0")/../src}
root=${root%/}
[ -d "$root" ] || { echo "check_layers: no folder $root" >&2; exit 2; }

find "$root" -type f -print0 | sort -z | xargs -0 -r awk -v root="$root" -v rules="$rules" '
BEGIN {
    n = split(rules, row, "\n")
    for (i = 1; i <= n; i++) {
        k = split(row[i], word, " ")
        if (k == 0) continue
        layer[word[1]] = 1
        may[word[1]] = " "
        for (j = 2; j <= k; j++) may[word[1]] = may[word[1]] word[j] " "
    }
}
# The layer a path under src/ belongs to (its longest listed folder), or "".
function layer_of(path,   l, best) {
    best = ""
    for (l in layer)
        if (index(path, l "/") == 1 && length(l) > length(best)) best = l
    return best
}
# A relative include is taken from the including file folder: "a/b/../c.h" is "a/c.h".
function normalize(path,   part, n, i, out, depth) {
    n = split(path, part, "/")
    depth = 0
    for (i = 1; i <= n; i++) {
        if (part[i] == "." || part[i] == "") continue
        if (part[i] == "..") { if (depth > 0) depth--; continue }
        out[++depth] = part[i]
    }
    path = out[1]
    for (i = 2; i <= depth; i++) path = path "/" out[i]
    return path
}
FNR == 1 {
    rel = substr(FILENAME, length(root) + 2)
    from = layer_of(rel)
    skip = rel !~ /\//  # src/CMakeLists.txt belongs to no layer
    if (!skip && from == "") {
        sub(/\/[^\/]*$/, "", rel)
        print FILENAME ": the folder " rel "/ is no layer of scripts/check_layers.sh"
        status = 1
        skip = 1
    }
}
skip || !/^[ \t]*#[ \t]*include[ \t]*[<"]/ { next }
{
    sub(/\r$/, "")
    header = $0
    sub(/^[ \t]*#[ \t]*include[ \t]*[<"]/, "", header)
    sub(/[>"].*/, "", header)
    if (header ~ /^\.\.?\//) {
        dir = rel
        sub(/\/[^\/]*$/, "", dir)
        header = normalize(dir "/" header)
    }
    to = layer_of(header)
    if (to == "" || to == from || index(may[from], " " to " ")) next
    print FILENAME ":" FNR ": " $0 ": " from "/ may not include " to "/"
    status = 1
}
END { exit status }
' || exit 1
