// The progress of a translation as the window shows it: the sentence reached of the sentences in
// the prepared text, reported through the host before each sentence.
#pragma once

#include <string_view>

#include "job/translation_job.h"

namespace kavro {

// The sentences of a prepared text, counted by their closing marks (. ? ! ;), at least one.
int countSentences(std::string_view preparedText);

// The engine's stages, with the preparation counting the sentences of temp.lat and every
// sentence read reporting host.progress(sentence reached, total).
JobStages progressStages();

}  // namespace kavro
