#!/bin/bash
# Throughput and peak memory of whole processes on each text of ../shared/corpus/text/:
# `kavro translate --words` (preparation, tokenizing, analysis and the word-mode trace written to
# parser.txt and printed), `kavro translate --sentence` and `kavro analyse` (JSON Lines), in words
# per second of CPU time (user + system) and of elapsed time, the best of RUNS runs (default 3)
# so that a loaded machine disturbs the figures less, with the largest peak resident memory of
# those runs (GNU time's maximum resident set size). Beside --words, the peer program on the
# same words when it is installed (one run, elapsed time; PEER names another program, PEER=none
# leaves it out); the peer reads the text cut into lines of at most 12 words, with its pager
# switched off; cutting is not timed. Then the texts as one batch with --jobs 1 and --jobs 2.
#
#   [RUNS=n] [FOLD=k] [MODES='translate --words;analyse'] bench/word_throughput.sh [BUILD_DIR] [TEXT ...]
#
# FOLD=k measures the texts concatenated k times into one file instead (FOLD=16: the memory
# check at corpus scale; the peer and the batch are left out then). BUILD_DIR defaults to ./build
# (it must hold cli/kavro and data/; $KAVRO_DATA overrides the data folder). The word count is
# the one the job reports ("Done. No. of words translated in file = N.").
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
fold=${FOLD:-1}
peer=${PEER:-/usr/bin/whitakers-words}
IFS=';' read -r -a modes <<< "${MODES:-translate --words;translate --sentence;analyse}"
gnu_time=/usr/bin/time
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

kept=()
for text in "${texts[@]}"; do [ "$(basename "$text")" = README.md ] || kept+=("$text"); done
texts=("${kept[@]}")
if [ "$fold" -gt 1 ]; then
    for _ in $(seq "$fold"); do cat "${texts[@]}"; done > "$work/folded-$fold.txt"
    texts=("$work/folded-$fold.txt")
    peer=none
fi

rate() { awk -v w="$1" -v s="$2" 'BEGIN { printf "%10.0f", (s > 0 ? w / s : 0) }'; }
least() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
most() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b > a) ? b : a }'; }
seconds() { date +%s.%N; }

# One timed run of kavro with the given arguments: sets real, cpu and peak (KiB; 0 without GNU time).
timed_run() {
    if [ -x "$gnu_time" ]; then
        "$gnu_time" -f '%e %U %S %M' -o "$work/time" "$kavro" "$@" > /dev/null 2> "$work/stderr"
        read -r real user sys peak < "$work/time"
    else
        TIMEFORMAT='%R %U %S'
        { time "$kavro" "$@" > /dev/null 2> "$work/stderr"; } 2> "$work/time"
        read -r real user sys < "$work/time"
        peak=0
    fi
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
}

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

row() { printf '%-32s %9d %8.2f %11s %8.2f %11s %8s %8.2f %10s\n' "$1" "$2" "$3" "$(rate "$2" "$3")" \
    "$4" "$(rate "$2" "$4")" "$5" "$6" "$(rate "$2" "$6")"; }
words_of_run() { sed -n 's/^Done\. No\. of words translated in file = \([0-9]*\)\..*/\1/p' "$work/parser.txt"; }

for mode in "${modes[@]}"; do
    read -r -a args <<< "$mode"
    echo "kavro $mode"
    printf '%-32s %9s %8s %11s %8s %11s %8s %8s %10s\n' text words "cpu s" "cpu w/s" "real s" \
        "real w/s" "peak MiB" "peer s" "peer w/s"
    total_words=0; total_cpu=0; total_real=0; total_peer=0; total_peak=0
    for text in "${texts[@]}"; do
        best_cpu=""; best_real=""; peak_kib=""
        for _ in $(seq "$runs"); do
            timed_run "${args[@]}" --home "$work" --data "$data" "$text"
            best_real=$(least "$best_real" "$real")
            best_cpu=$(least "$best_cpu" "$cpu")
            peak_kib=$(most "$peak_kib" "$peak")
        done
        words=$(words_of_run)
        peer_time=0
        [ "$mode" = "translate --words" ] && peer_time=$(peer_seconds "$text")
        peak_mib=$(awk -v k="$peak_kib" 'BEGIN { printf "%.1f", k / 1024 }')
        row "$(basename "$text")" "$words" "$best_cpu" "$best_real" "$peak_mib" "$peer_time"
        total_peer=$(awk -v a="$total_peer" -v b="$peer_time" 'BEGIN { print a + b }')
        total_words=$((total_words + words))
        total_cpu=$(awk -v a="$total_cpu" -v b="$best_cpu" 'BEGIN { print a + b }')
        total_real=$(awk -v a="$total_real" -v b="$best_real" 'BEGIN { print a + b }')
        total_peak=$(most "$total_peak" "$peak_mib")
    done
    row all "$total_words" "$total_cpu" "$total_real" "$total_peak" "$total_peer"
    echo
done

# The texts as one batch, one file at a time against two at once.
if [ "$fold" -eq 1 ] && [ ${#texts[@]} -gt 1 ]; then
    echo "kavro translate --words, the ${#texts[@]} texts as one batch (best of $runs)"
    printf '%-10s %8s %8s %8s\n' jobs "cpu s" "real s" "peak MiB"
    for jobs in 1 2; do
        best_cpu=""; best_real=""; peak_kib=""
        for _ in $(seq "$runs"); do
            timed_run translate --words --jobs "$jobs" --home "$work" --data "$data" "${texts[@]}"
            best_real=$(least "$best_real" "$real")
            best_cpu=$(least "$best_cpu" "$cpu")
            peak_kib=$(most "$peak_kib" "$peak")
        done
        printf '%-10s %8.2f %8.2f %8.1f\n' "$jobs" "$best_cpu" "$best_real" \
            "$(awk -v k="$peak_kib" 'BEGIN { print k / 1024 }')"
    done
fi
