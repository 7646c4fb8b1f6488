#!/bin/bash
# Throughput of word analysis as whole processes: `kavro translate --words` (preparation,
# tokenizing, analysis and the word-mode trace written to parser.txt) on each text of
# ../shared/corpus/text/, in words per second of CPU time (user + system) and of elapsed time,
# the best of RUNS runs (default 3) so that a loaded machine disturbs the figures less; beside it
# the peer program on the same words when it is installed (one run, elapsed time; PEER names
# another program, PEER=none leaves it out). The peer reads the text cut into lines of at most 12
# words, with its pager switched off; cutting is not timed.
#
#   [RUNS=n] bench/word_throughput.sh [BUILD_DIR] [TEXT ...]
#
# BUILD_DIR defaults to ./build (it must hold cli/kavro and data/; $KAVRO_DATA overrides the
# data folder). The word count is the one the job reports ("Done. No. of words translated in
# file = N.").
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
runs=${RUNS:-3}
peer=${PEER:-/usr/bin/whitakers-words}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate() { awk -v w="$1" -v s="$2" 'BEGIN { printf "%10.0f", (s > 0 ? w / s : 0) }'; }
least() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
seconds() { date +%s.%N; }

# Elapsed seconds of one peer run over `text`, or 0 when the peer is not installed.
peer_seconds() {
    [ -x "$peer" ] || { echo 0; return; }
    { printf '!\n'; for _ in $(seq 21); do printf '\n'; done; printf 'N\n \n'
      tr -s ' \t\r' '\n\n\n' < "$1" | grep -v '^$' | paste -d' ' - - - - - - - - - - - -
      printf '\n\n'; } > "$work/peer-input.txt"
    local start
    start=$(seconds)
    (cd "$work" && "$peer" < peer-input.txt > peer-output.txt 2>&1) || true
    awk -v a="$start" -v b="$(seconds)" 'BEGIN { print b - a }'
}

row() { printf '%-32s %8d %8.2f %12s %8.2f %12s %8.2f %12s\n' "$1" "$2" "$3" "$(rate "$2" "$3")" \
    "$4" "$(rate "$2" "$4")" "$5" "$(rate "$2" "$5")"; }
printf '%-32s %8s %8s %12s %8s %12s %8s %12s\n' text words "cpu s" "cpu w/s" "real s" "real w/s" \
    "peer s" "peer w/s"
total_words=0; total_cpu=0; total_real=0; total_peer=0
for text in "${texts[@]}"; do
    [ "$(basename "$text")" = README.md ] && continue
    best_cpu=""; best_real=""
    for _ in $(seq "$runs"); do
        TIMEFORMAT='%R %U %S'
        { time "$kavro" translate --words --home "$work" --data "$data" "$text" \
              > /dev/null 2> "$work/stderr"; } 2> "$work/time"
        read -r real user sys < "$work/time"
        best_real=$(least "$best_real" "$real")
        best_cpu=$(least "$best_cpu" "$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')")
    done
    words=$(sed -n 's/^Done\. No\. of words translated in file = \([0-9]*\)\..*/\1/p' "$work/parser.txt")
    peer_time=$(peer_seconds "$text")
    row "$(basename "$text")" "$words" "$best_cpu" "$best_real" "$peer_time"
    total_peer=$(awk -v a="$total_peer" -v b="$peer_time" 'BEGIN { print a + b }')
    total_words=$((total_words + words))
    total_cpu=$(awk -v a="$total_cpu" -v b="$best_cpu" 'BEGIN { print a + b }')
    total_real=$(awk -v a="$total_real" -v b="$best_real" 'BEGIN { print a + b }')
done
row all "$total_words" "$total_cpu" "$total_real" "$total_peer"
