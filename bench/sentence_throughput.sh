#!/bin/bash
# Throughput of sentence translation as whole processes: `kavro translate --sentence` (start-up
# with the lexicon, preparation, word analysis, clause analysis, the choice of readings, the
# English, standard phrases, polishing and the final line, parser.txt written) beside
# `kavro translate --words` (word analysis alone) on each text of ../shared/corpus/text/, in
# words per second of CPU time (user + system) and of elapsed time, the best of RUNS runs
# (default 3) so that a loaded machine disturbs the figures less.
#
#   [RUNS=n] bench/sentence_throughput.sh [BUILD_DIR] [TEXT ...]
#
# BUILD_DIR defaults to ./build (it must hold cli/kavro and data/; $KAVRO_DATA overrides the
# data folder). The word count is the one the job reports ("Done. No. of words translated in
# file = N."). Without the corpus (and without TEXT arguments) nothing is measured.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
texts=("$@")
if [ ${#texts[@]} -eq 0 ]; then
    corpus="$here/../shared/corpus/text"
    if [ ! -d "$corpus" ]; then
        echo "sentence throughput: no texts (looked in $corpus); nothing measured"
        exit 0
    fi
    texts=("$corpus"/*.txt)
fi
kavro="$build/cli/kavro"
data="${KAVRO_DATA:-$build/data}"
runs=${RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate() { awk -v w="$1" -v s="$2" 'BEGIN { printf "%10.0f", (s > 0 ? w / s : 0) }'; }
least() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
add() { awk -v a="$1" -v b="$2" 'BEGIN { print a + b }'; }

# Best CPU and elapsed seconds of RUNS runs of one mode over one text, as "cpu real".
best_times() {
    local mode=$1 text=$2 best_cpu="" best_real="" real user sys
    for _ in $(seq "$runs"); do
        TIMEFORMAT='%R %U %S'
        { time "$kavro" translate "$mode" --home "$work" --data "$data" "$text" \
              > /dev/null 2> "$work/stderr"; } 2> "$work/time"
        read -r real user sys < "$work/time"
        best_real=$(least "$best_real" "$real")
        best_cpu=$(least "$best_cpu" "$(add "$user" "$sys")")
    done
    echo "$best_cpu $best_real"
}

row() {
    printf '%-32s %8d' "$1" "$2"
    local seconds
    for seconds in "$3" "$4" "$5" "$6"; do printf ' %8.2f %10s' "$seconds" "$(rate "$2" "$seconds")"; done
    printf '\n'
}
printf '%-32s %8s' text words
printf ' %8s %10s' "sent cpu" "w/s" "sent real" "w/s" "word cpu" "w/s" "word real" "w/s"
printf '\n'
total_words=0; totals=(0 0 0 0)
for text in "${texts[@]}"; do
    [ "$(basename "$text")" = README.md ] && continue
    read -r sentence_cpu sentence_real < <(best_times --sentence "$text")
    words=$(sed -n 's/^Done\. No\. of words translated in file = \([0-9]*\)\..*/\1/p' "$work/parser.txt")
    read -r words_cpu words_real < <(best_times --words "$text")
    row "$(basename "$text")" "$words" "$sentence_cpu" "$sentence_real" "$words_cpu" "$words_real"
    total_words=$((total_words + words))
    measured=("$sentence_cpu" "$sentence_real" "$words_cpu" "$words_real")
    for k in 0 1 2 3; do totals[k]=$(add "${totals[k]}" "${measured[k]}"); done
done
row all "$total_words" "${totals[@]}"
