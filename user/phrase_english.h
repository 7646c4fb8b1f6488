// The English of a matched standard phrase fitted to its sentence: the alternatives settled by
// the person and number of the clause's verb, "be" and "have" agreeing with the pronoun before
// them, and the verb phrases of "INF" phrases built on the verb's own English.
#pragma once

#include <string>
#include <string_view>

namespace kavro {

// What the phrase pass knows of the clause's verb.
struct ClauseVerb {
    int person = 0;  // 1..3; 0 when unknown (no finite verb)
    int number = 0;  // 1 singular, 2 plural; 0 when unknown
    bool infinitive = false;
};

// Settles a phrase's English for the clause's verb:
// - "A\to B" gives "to B" for an infinitive, "A" otherwise;
// - for a finite verb, "s/he/it", "s/he", "he/they", "he/it" take its subject pronoun,
//   "his/their" and "his/her/their" its possessive, "oneself" its reflexive pronoun;
// - "^be" and "^have" after a subject pronoun agree with it ("I ^be" gives "I ^am",
//   "he ^have" gives "he ^has");
// - "be been" becomes "have been".
std::string adaptPhraseEnglish(std::string_view english, const ClauseVerb& verb);

// The English of a verb with `infinitive` ("give thanks") in place of the meaning the verb's slot
// was built on: "we ^drive" gives "we ^give thanks", "s/he/it has ^drive+ed" gives
// "s/he/it has ^give+ed thanks", "s/he/it ^is" gives "s/he/it ^give+s thanks". A slot without
// the verb's caret gives "to " and the infinitive.
std::string conjugateInfinitivePhrase(std::string_view verbSlot, std::string_view infinitive);

}  // namespace kavro
