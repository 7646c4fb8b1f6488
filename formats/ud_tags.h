// Our parts of speech and grammatical codes in the tag set of the Universal Dependencies
// treebanks: the universal part of speech (UPOS), the features (FEATS) and our own compact tag
// (XPOS), for the CoNLL-U output of kavro analyse.
#pragma once

#include <string>
#include <string_view>

#include "core/analysis_record.h"

namespace kavro {

struct UdTags {
    std::string upos;    // NOUN, PROPN, VERB, AUX, ...
    std::string xpos;    // NOUN.ABL.SING.FEM: our part of speech and codes by name
    std::string feats;   // Case=Abl|Gender=Fem|Number=Sing, sorted by feature name; "_" for none
};

// The tags of a reading; `lemma` tells a subordinating conjunction (ut, cum, si) from a
// coordinating one (et, sed).
UdTags udTagsOf(const WordAnalysis& reading, std::string_view lemma);

}  // namespace kavro
