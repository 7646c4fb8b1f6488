#!/bin/bash
# Elapsed time of a word search of the shared texts (../shared/corpus/text) with `kavro search
# --jobs 1` and `--jobs 2`: the median of RUNS runs (default 5) of each, alternated so that a
# change in the machine's load touches both alike, and their ratio. The texts are linked into a
# scratch folder, so that the file list is written there and not beside the texts. Skips (status
# 0) when the texts are not there.
#
#   [RUNS=n] [STEM=am] [POS=Verb] bench/search_jobs.sh [BUILD_DIR]
#
# BUILD_DIR defaults to ./build (it must hold cli/kavro and data/; $KAVRO_DATA overrides the
# data folder).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
corpus="$here/../shared/corpus/text"
if ! ls "$corpus"/*.txt > /dev/null 2>&1; then
    echo "search_jobs: no texts in $corpus; skipped"
    exit 0
fi
kavro="$build/cli/kavro"
data="${KAVRO_DATA:-$build/data}"
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/texts"
ln -s "$corpus"/*.txt "$work/texts/"

# Elapsed seconds of one search with $1 jobs; the hits go to $work/hits-$1.
run() {
    local start end
    start=$(date +%s.%N)
    "$kavro" search "$work/texts" --word "${STEM:-am}" --pos "${POS:-Verb}" --jobs "$1" \
        --home "$work/home" --data "$data" > "$work/hits-$1" 2> "$work/stderr" || [ $? -eq 1 ]
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run 1 > /dev/null   # makes the file list and warms the file cache
: > "$work/times-1"; : > "$work/times-2"
for _ in $(seq "$runs"); do
    run 1 >> "$work/times-1"
    run 2 >> "$work/times-2"
done
cmp -s "$work/hits-1" "$work/hits-2" || { echo "search_jobs: --jobs 2 gave other hits than --jobs 1"; exit 1; }
one=$(median < "$work/times-1")
two=$(median < "$work/times-2")
printf 'hits: %s\n' "$(tail -n 1 "$work/hits-1")"
printf 'jobs 1: median %.3f s of %s (%s)\n' "$one" "$runs" "$(tr '\n' ' ' < "$work/times-1")"
printf 'jobs 2: median %.3f s of %s (%s)\n' "$two" "$runs" "$(tr '\n' ' ' < "$work/times-2")"
awk -v a="$one" -v b="$two" 'BEGIN { printf "ratio jobs 2 / jobs 1: %.2f (aim: at most 0.60)\n", b / a }'
