#!/usr/bin/env bash
# Functions of one name defined twice in the program's libraries: an out-of-line definition
# beside an inline one, or inline ones of different sizes. The linker keeps one of them for every
# caller, so an unoptimised build may run another function than the optimised one inlined.
# Reads the object files of an unoptimised build (the sanitizer build of CI).
#
#   .ci/one_definition.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: one_definition.sh BUILD_DIR}

# The Qt window layer (app/qt) is compiled position-independent, as Qt requires: its copies of
# the engine's inline functions differ in size from the engine's own without being other functions.
find "$build" -name '*.o' -not -path '*/tests/*' -not -path '*/_deps/*' -not -path '*/app/qt/*' -print0 |
    while IFS= read -r -d '' object; do
        nm -C -S --defined-only "$object" 2>/dev/null |
            awk -v o="$object" 'NF >= 4 && ($3 == "T" || $3 == "W") {
                size = $2; kind = $3; $1 = $2 = $3 = ""; print kind "\t" size "\t" substr($0, 4) "\t" o }'
    done |
    awk -F'\t' '
        # Constructors and destructors appear under several variants of one name.
        $3 !~ /^kavro::/ || $3 ~ /~|::([A-Za-z_0-9]+)::\1\(/ { next }
        {
            if (($3 in size) && (size[$3] != $2 || kinds[$3] != $1)) clash[$3] = clash[$3] "\n    " $4
            if (!($3 in size)) { size[$3] = $2; kinds[$3] = $1; first[$3] = $4 }
        }
        END {
            n = 0
            for (name in clash) { print "two definitions of " name ":\n    " first[name] clash[name]; ++n }
            if (n > 0) { print n " function(s) defined twice"; exit 1 }
        }'
