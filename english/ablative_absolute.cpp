// Ablative absolutes: a noun or pronoun in the ablative with a perfect passive participle tied
// to it, governed by no preposition, reads as a clause of its own: "urbe capta" -> "the city
// having been captured" (not "with the city with captured"); a deponent's participle is
// active: "Caesare locuto" -> "Caesar having spoken". Commas set it off from its clause.
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

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

// A genitive noun or pronoun right after position p.
bool isGenitiveAfter(const PolishSentence& s, int p) {
    return s.contains(p + 1) && isNominal(s.reading(p + 1)) &&
           caseOf(s.reading(p + 1)) == case_type::Genitive;
}

bool isWordSlot(const PolishSentence& s, int p) {
    return s.contains(p) && !isPunctuation(s.reading(p)) && !s.text(p).empty();
}

// The absolute is set off by commas from the words of the clause around it: "the city having
// been taken, the soldiers went". `first` and `last` are the positions of its noun and its
// participle, in either order; the words tied to either (an adjective before the noun) belong
// to it.
void setOffByCommas(PolishSentence& s, int first, int last) {
    const int a = first, b = last;
    const auto belongs = [&](int q) {
        return s.contains(q) && !isPunctuation(s.reading(q)) && (s.tied(q, a) || s.tied(q, b));
    };
    while (belongs(first - 1)) --first;
    while (belongs(last + 1)) ++last;
    int next = last + 1;
    while (s.contains(next) && s.text(next).empty()) ++next;
    if (isWordSlot(s, next)) s.setText(last, s.text(last) + ",");
    int previous = first - 1;
    while (previous >= 0 && s.text(previous).empty()) --previous;
    const int kind = s.reading(previous).partOfSpeech;
    if (isWordSlot(s, previous) && kind != speech_type::Conjunction && kind != speech_type::Preposition &&
        !s.text(previous).ends_with(',')) {
        s.setText(previous, s.text(previous) + ",");
    }
}

}  // namespace

void renderAblativeAbsolutes(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        if (!isAblativeParticiple(s.reading(p))) continue;
        const int host = absoluteHost(s, p);
        if (host < 0 || s.isUserPhrase(p) || s.isUserPhrase(host)) continue;
        s.setText(host, subjectText(s.reading(host), s.text(host)));
        s.setText(p, participleText(s.reading(p), s.text(p)));
        const int participle = s.chosenIndex(p), noun = s.chosenIndex(host);
        const bool participleFirst = p < host;
        if (participleFirst) s.move(p, host);
        else if (p > host + 1) s.move(p, host + 1);
        // "invocato nomine Domini": the noun's genitive stays with it, before the participle.
        int at = s.positionOf(participle);
        while (isGenitiveAfter(s, at)) s.swap(at++);
        setOffByCommas(s, s.positionOf(noun), at);
        if (participleFirst) --p;   // the word after the participle now stands at p
    }
}

}  // namespace kavro
