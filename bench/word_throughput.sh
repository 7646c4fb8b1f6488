#!/bin/bash
# Throughput of word analysis as whole processes: `kavro translate --words` (preparation,
# tokenizing, analysis and the word-mode trace written to parser.txt) on each text of
# ../shared/corpus/text/, in words per second, beside the peer program on the same words when
# it is installed.
#
#   bench/word_throughput.sh [BUILD_DIR] [TEXT ...]
#
# BUILD_DIR defaults to ./build (it must hold cli/kavro and data/). The word count is the one
# the job reports ("Done. No. of words translated in file = N."). The peer reads the same text
# cut into lines of at most 12 words, with its pager switched off; cutting is not timed.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
texts=("$@")
if [ ${#texts[@]} -eq 0 ]; then
    corpus="$here/../shared/corpus/text"
    if [ ! -d "$corpus" ]; then
        echo "throughput: no texts (looked in $corpus); nothing measured"
        exit 0
    fi
    texts=("$corpus"/*.txt)
fi
kavro="$build/cli/kavro"
data="${KAVRO_DATA:-$build/data}"
peer=${PEER:-/usr/bin/whitakers-words}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seconds() { date +%s.%N; }
rate() { awk -v w="$1" -v s="$2" 'BEGIN { printf "%10.0f", (s > 0 ? w / s : 0) }'; }

printf '%-32s %8s %10s %12s %10s %12s\n' text words "kavro s" "kavro w/s" "peer s" "peer w/s"
total_words=0; total_ours=0; total_peer=0
for text in "${texts[@]}"; do
    [ "$(basename "$text")" = README.md ] && continue
    start=$(seconds)
    "$kavro" translate --words --home "$work" --data "$data" "$text" > /dev/null 2> "$work/stderr"
    ours=$(awk -v a="$start" -v b="$(seconds)" 'BEGIN { print b - a }')
    words=$(sed -n 's/^Done\. No\. of words translated in file = \([0-9]*\)\..*/\1/p' "$work/parser.txt")
    peer_time=0
    if [ -x "$peer" ]; then
        { printf '!\n'; for _ in $(seq 21); do printf '\n'; done; printf 'N\n \n'
          tr -s ' \t\r' '\n\n\n' < "$text" | grep -v '^$' | paste -d' ' - - - - - - - - - - - -
          printf '\n\n'; } > "$work/peer-input.txt"
        start=$(seconds)
        (cd "$work" && "$peer" < peer-input.txt > peer-output.txt 2>&1) || true
        peer_time=$(awk -v a="$start" -v b="$(seconds)" 'BEGIN { print b - a }')
    fi
    printf '%-32s %8d %10.2f %12s %10.2f %12s\n' "$(basename "$text")" "$words" "$ours" \
        "$(rate "$words" "$ours")" "$peer_time" "$(rate "$words" "$peer_time")"
    total_words=$((total_words + words))
    total_ours=$(awk -v a="$total_ours" -v b="$ours" 'BEGIN { print a + b }')
    total_peer=$(awk -v a="$total_peer" -v b="$peer_time" 'BEGIN { print a + b }')
done
printf '%-32s %8d %10.2f %12s %10.2f %12s\n' all "$total_words" "$total_ours" \
    "$(rate "$total_words" "$total_ours")" "$total_peer" "$(rate "$total_words" "$total_peer")"
