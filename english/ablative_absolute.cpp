// Ablative absolutes: a noun or pronoun in the ablative with a perfect passive participle tied
// to it, governed by no preposition, reads as a clause of its own: "urbe capta" -> "the city
// having been captured" (not "with the city with captured"); a deponent's participle is
// active: "Caesare locuto" -> "Caesar having spoken".
#include <array>
#include <string>
#include <string_view>

#include "english/polish_steps.h"
#include "english/slot_words.h"
#include "job/grammar_codes.h"

namespace kavro {

namespace {

// Object forms of the pronouns and the subject forms that an ablative absolute takes.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kSubjectForms = {{
    {"him", "he"}, {"her", "she"}, {"them", "they"}, {"me", "I"}, {"us", "we"}}};

bool isAblativeParticiple(const WordAnalysis& r) {
    return caseOf(r) == case_type::Ablative && isPerfectPassiveParticiple(r);
}

bool isPreposition(const WordAnalysis* r) { return r && r->partOfSpeech == speech_type::Preposition; }

// A noun or pronoun in the ablative tied to the participle at p that no preposition governs.
int absoluteHost(const PolishSentence& s, int p) {
    if (isPreposition(s.firstPartner(p))) return -1;
    for (int q = 0; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        const bool nominal = r.partOfSpeech == speech_type::Noun || r.partOfSpeech == speech_type::Pronoun;
        if (q == p || !nominal || caseOf(r) != case_type::Ablative || !s.tied(p, q)) continue;
        const bool governed = isPreposition(s.firstPartner(q)) ||
                              s.reading(q - 1).partOfSpeech == speech_type::Preposition;
        return governed ? -1 : q;
    }
    return -1;
}

std::string subjectText(const WordAnalysis& r, std::string text) {
    if (!removeLeading(text, "with the ")) removeLeading(text, "with ");
    if (r.partOfSpeech == speech_type::Pronoun) {
        for (const auto& [object, subject] : kSubjectForms) {
            if (replaceWholeWord(text, object, subject)) break;
        }
    } else if (!isProperNoun(r) && !text.starts_with("the ")) {
        text.insert(0, "the ");
    }
    return text;
}

std::string participleText(const WordAnalysis& r, std::string text) {
    if (!removeLeading(text, "with the ")) {
        if (!removeLeading(text, "with ")) removeLeading(text, "the ");
    }
    if (text.starts_with("having ")) return text;
    const bool deponent = r.kind2 == verb_kind_type::Deponent || r.kind2 == verb_kind_type::Semideponent;
    return (deponent ? "having " : "having been ") + text;
}

}  // namespace

void renderAblativeAbsolutes(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        if (!isAblativeParticiple(s.reading(p))) continue;
        const int host = absoluteHost(s, p);
        if (host < 0 || s.isUserPhrase(p) || s.isUserPhrase(host)) continue;
        s.setText(host, subjectText(s.reading(host), s.text(host)));
        s.setText(p, participleText(s.reading(p), s.text(p)));
        if (p < host) {
            s.move(p, host);
            --p;   // the word after the participle now stands at p
        } else if (p > host + 1) {
            s.move(p, host + 1);
        }
    }
}

}  // namespace kavro
