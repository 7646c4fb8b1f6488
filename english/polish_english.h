// Polishing of a sentence's English slots: special senses, suffix markers, pronoun case forms,
// compound tenses, doubled prefixes, idioms, the word and phrase tables, word order and capitals.
#pragma once

namespace kavro {

struct Engine;

// The second English pass over englishSlots, after assembly and the standard phrases.
void polishEnglish(Engine& engine);

}  // namespace kavro
