#!/bin/bash
# Word analysis on the UD treebanks of ../shared/corpus/ud/, measured with the sticks of
# ../shared/tools: our share of word tokens analysed, with the gold lemma, and with the gold lemma
# and part of speech (ud_coverage.py, per file and over all files), then the reading chosen in
# context (ud_context.py). The peer's figures are the ones published in ../shared/tools/README.md,
# printed beside ours; the peer program is not run.
#
#   bench/word_coverage.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
tools="$here/../shared/tools"
corpus="$here/../shared/corpus/ud"
if [ ! -f "$tools/ud_coverage.py" ] || [ ! -d "$corpus" ]; then
    echo "word coverage: no measuring sticks or treebanks beside the repository; nothing measured"
    exit 0
fi
export KAVRO_DATA="${KAVRO_DATA:-$build/data}"

echo "== word analysis out of context (ud_coverage.py)"
python3 "$tools/ud_coverage.py" --analyzer="kavro:$build/cli/kavro" "$corpus"/*.conllu |
    awk -F'\t' '
        { print }
        NR > 1 { n += $2; cov += $2 * $4; lem += $2 * $5; lp += $2 * $6 }
        END { if (n) printf "all\t%d\t\t%.4f\t%.4f\t%.4f\n", n, cov / n, lem / n, lp / n }'

echo
echo "== the peer, as published in ../shared/tools/README.md (not rerun)"
grep -E '^\| (\| covered|peer)' "$tools/README.md" || true

echo
echo "== the reading chosen in context (ud_context.py)"
python3 "$tools/ud_context.py" "$build/cli/kavro" "$corpus"/*.conllu
