// The connecting relative: a form of qui, quae, quod that opens a sentence (or a part after a
// colon or semicolon) refers to what was said before and reads as a personal or demonstrative
// pronoun: "Qui respondit" -> "He answered", "Cui dixit" -> "he said to him", "Quod cum
// audisset" -> "when he had heard this", "Quibus auditis" -> "these having been heard".
#include <span>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/connectives.h"
#include "english/polish_steps.h"

namespace kavro {

namespace {

// Conjunctions that a connecting relative stands before although it belongs inside their
// clause: "Quod cum audisset" is "cum quod audisset".
constexpr std::string_view kClauseOpeners[] = {"cum.", "ut.", "si.", "postquam.", "ubi.", "dum.",
                                               "quia.", "quoniam.", "quando.", "antequam."};

bool isFormIn(const WordAnalysis& r, std::span<const std::string_view> forms) {
    for (std::string_view form : forms) {
        if (formOf(r) == form) return true;
    }
    return false;
}

// Forms of qui, quae, quod as the dictionary analyses them; quis and quid ask.
bool isQuiForm(const WordAnalysis& r) {
    const std::string_view form = formOf(r);
    return r.partOfSpeech == speech_type::Pronoun && (form.starts_with("qu.") || form.starts_with("cu.")) &&
           form != "qu.is" && form != "qu.id";
}

bool opensPart(const PolishSentence& s, int p) {
    if (p == 0) return true;
    const std::string_view mark = formOf(s.reading(p - 1));
    return isPunctuation(s.reading(p - 1)) && (mark == ":" || mark == ";" || mark == ".");
}

bool endsWithQuestion(const PolishSentence& s, int p) {
    for (int q = p + 1; q < s.size(); ++q) {
        const std::string_view mark = formOf(s.reading(q));
        if (!isPunctuation(s.reading(q)) || mark == ",") continue;
        return mark == "?";
    }
    return false;
}

// The English pronoun of the connecting relative r; `governed` when a preposition stands
// before it (then no "to" of the dative).
std::string pronounFor(const WordAnalysis& r, int latinCase, bool governed) {
    const bool plural = numberOf(r) == number_type::Plural;
    const int gender = genderOf(r);
    if (latinCase == case_type::Nominative) {
        if (plural) return gender == gender_type::Neuter ? "these" : "they";
        return gender == gender_type::Neuter ? "this" : gender == gender_type::Feminine ? "she" : "he";
    }
    std::string object = plural ? (gender == gender_type::Neuter ? "these" : "them")
                         : gender == gender_type::Neuter   ? "this"
                         : gender == gender_type::Feminine ? "her"
                                                           : "him";
    if (latinCase == case_type::Dative && !governed) object.insert(0, "to ");
    return object;
}

// The first finite verb of the part that p opens, or -1.
int verbOfPart(const PolishSentence& s, int p) {
    for (int q = p + 1; q <= partEnd(s, p); ++q) {
        if (isFiniteVerb(s.reading(q))) return q;
    }
    return -1;
}

// A nominative relative whose verb tells no past event in the indicative, followed by the main
// clause, opens a general statement: "Qui tetigerit ..., morte morietur" -> "he who touches ...
// will die", "Qui timent te, magni erunt" -> "those who fear you will be great".
bool isGeneralStatement(const PolishSentence& s, int verb) {
    if (verb < 0) return false;
    const WordAnalysis& v = s.reading(verb);
    const int tense = tenseOf(v);
    const bool past = tense == tense_type::Perfect || tense == tense_type::Imperfect ||
                      tense == tense_type::Pluperfect;
    if (past || moodOf(v) != mood_type::Indicative) return false;
    for (int q = partEnd(s, verb) + 1; q < s.size(); ++q) {
        const std::string_view mark = formOf(s.reading(q));
        if (isPunctuation(s.reading(q)) && mark != ",") return false;
        if (isFiniteVerb(s.reading(q))) return true;
    }
    return false;
}

// "he who", "she who", "those who", "what" for the nominative of a general statement.
std::string_view generalSubject(const WordAnalysis& r) {
    if (genderOf(r) == gender_type::Neuter) return "what";
    if (numberOf(r) == number_type::Plural) return "those who";
    return genderOf(r) == gender_type::Feminine ? "she who" : "he who";
}

// The verb of a connecting nominative has its subject in it: "qui respondit" gives "he
// answered", not "he he answered".
void dropVerbPronoun(PolishSentence& s, int verb) {
    std::string text = s.text(verb);
    for (std::string_view pronoun : {"they ", "he ", "she ", "it ", "s/he/it "}) {
        if (text.starts_with(pronoun)) {
            s.setText(verb, text.substr(pronoun.size()));
            return;
        }
    }
}

// An ablative connecting relative without a preposition reads so only as the noun of an
// ablative absolute ("Quo audito"); "quibus" without one is the dative of "Quibus ait" (quo
// and qua alone are mostly "whither" and "where").
bool readsAsAblative(const PolishSentence& s, int p) {
    return s.contains(p + 1) && s.reading(p + 1).partOfSpeech == speech_type::Participle &&
           caseOf(s.reading(p + 1)) == case_type::Ablative;
}

}  // namespace

void readConnectingRelatives(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        const WordAnalysis& r = s.reading(p);
        const bool governed = p > 0 && s.reading(p - 1).partOfSpeech == speech_type::Preposition;
        const int start = governed ? p - 1 : p;
        if (!isQuiForm(r) || !opensPart(s, start) || endsWithQuestion(s, p) || s.isUserPhrase(p) ||
            caseOf(r) == case_type::Genitive || caseOf(r) == case_type::None) {
            continue;
        }
        const WordAnalysis* partner = s.firstPartner(p);
        if ((partner && partner->partOfSpeech == speech_type::Noun && s.firstPartnerPosition(p) > p) ||
            (s.contains(p + 1) && s.text(p + 1).empty())) {
            continue;   // "Quae mulier ...": an adjective of its noun; "quod si": a phrase
        }
        const int verb = verbOfPart(s, p);
        if (caseOf(r) == case_type::Nominative && isGeneralStatement(s, verb)) {
            s.setText(p, generalSubject(r));
            dropVerbPronoun(s, verb);
            if (isConnective(s.reading(p + 1))) s.swap(p);
            continue;
        }
        int latinCase = caseOf(r);
        if (latinCase == case_type::Ablative && !governed && !readsAsAblative(s, p)) {
            if (numberOf(r) != number_type::Plural) continue;
            latinCase = case_type::Dative;
        }
        s.setText(p, pronounFor(r, latinCase, governed));
        if (latinCase == case_type::Nominative && verb >= 0) dropVerbPronoun(s, verb);
        // Read as a personal pronoun from here on, so that the word order puts it in its place.
        if (caseOf(r) != case_type::Nominative) {
            if (WordAnalysis* editable = s.editableReading(p)) editable->kind2 = pronoun_kind_type::Personal;
        }
        if (!governed && (isFormIn(s.reading(p + 1), kClauseOpeners) || isConnective(s.reading(p + 1)))) {
            s.swap(p);
        }
    }
}

}  // namespace kavro
