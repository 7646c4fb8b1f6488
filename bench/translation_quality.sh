#!/bin/bash
# Translation quality on the parallel verses of ../shared/corpus/parallel/: every Latin verse is
# translated as a text of its own (kavro translate --english --lines) and scored against the
# English with ../shared/tools/mt_score.py (chrF, BLEU, content-word recall).
#
#   bench/translation_quality.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
tools="$here/../shared/tools"
corpus="$here/../shared/corpus/parallel"
if [ ! -f "$tools/mt_score.py" ] || [ ! -f "$corpus/dev.la.txt" ]; then
    echo "translation quality: no measuring stick or parallel verses beside the repository; nothing measured"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/cli/kavro" translate --english --lines --home "$work" --data "${KAVRO_DATA:-$build/data}" \
    "$corpus/dev.la.txt" > "$work/hyp.txt" 2> "$work/stderr.txt"
python3 "$tools/mt_score.py" "$work/hyp.txt" "$corpus/dev.en.txt"
