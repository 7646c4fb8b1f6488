#!/bin/bash
# Accuracy of the reading chosen in context, on the UD treebanks of ../shared/corpus/ud/ (the
# measuring stick ../shared/tools/ud_context.py): part of speech, lemma, case of nominals and mood
# of finite verbs of the chosen reading, beside the first listed reading and the best of all.
#
#   bench/choice_accuracy.sh [BUILD_DIR] [--show N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
tools="$here/../shared/tools"
corpus="$here/../shared/corpus/ud"
if [ ! -f "$tools/ud_context.py" ] || [ ! -d "$corpus" ]; then
    echo "choice accuracy: no measuring stick or treebanks beside the repository; nothing measured"
    exit 0
fi
export KAVRO_DATA="${KAVRO_DATA:-$build/data}"
python3 "$tools/ud_context.py" "$build/cli/kavro" "$corpus"/*.conllu "$@"
