// English forms of Latin pronouns: the case forms of "I", "we", "he" and "they", the relative
// "which"/"who"/"whom"/"what", and the fixed translations of quid, quod, quidquid, aliquis,
// iste, ille, ipse and the reflexive use of ego, tu, nos and vos.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/relative_clauses.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

bool isOblique(int latinCase) { return latinCase >= case_type::Genitive; }

// The personal pronouns that have a reflexive English form, by analysed form.
struct ReflexiveForm {
    std::string_view form;
    std::string_view reflexive;
};
constexpr std::array<ReflexiveForm, 4> kReflexiveForms = {{
    {"ego.", "myself"}, {"tu.", "yourself"}, {"n.os", "ourselves"}, {"u.os", "yourselves"}}};

std::string_view reflexiveOf(const WordAnalysis& r) {
    if (r.partOfSpeech != speech_type::Pronoun) return {};
    for (const ReflexiveForm& f : kReflexiveForms) {
        if (formOf(r) == f.form) return f.reflexive;
    }
    return {};
}

// The analysed form without its dots: "quid" for "qu.id" and for the unique "quid.".
std::string plainForm(const WordAnalysis& r) {
    std::string plain;
    for (char c : formOf(r)) {
        if (c != '.') plain += c;
    }
    return plain;
}

// The nominal that position p is tied to (its first partner, or a nominal naming it), or -1.
int nominalPartner(const PolishSentence& s, int p) {
    const int partner = s.firstPartnerPosition(p);
    if (partner >= 0 && isNominal(s.reading(partner))) return partner;
    for (int q = 0; q < s.size(); ++q) {
        if (q != p && isNominal(s.reading(q)) && s.pointsTo(q, p)) return q;
    }
    return -1;
}

// ipse: with ego/tu/nos/vos the reflexive of that person; after a noun "himself" ... by the
// noun (a thing takes "itself" forms); before its noun "this-same"; alone as a subject "he
// himself", "she herself", "it", "they themselves"; alone otherwise by its gender.
std::string_view ipseForm(const PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    for (int q = 0; q < s.size(); ++q) {
        if (q != p && s.tied(p, q) && !reflexiveOf(s.reading(q)).empty()) {
            return reflexiveOf(s.reading(q));
        }
    }
    const int noun = nominalPartner(s, p);
    // Standing alone as a subject ("ipse vadit", "ipse est Edom"): the subject pronoun with its
    // emphasis, as English has no subject "himself" ("he himself ran").
    if (noun < 0 && caseOf(r) == case_type::Nominative) {
        if (numberOf(r) == number_type::Plural) return "they themselves";
        return genderOf(r) == gender_type::Feminine ? "she herself" : genderOf(r) == gender_type::Neuter ? "it" : "he himself";
    }
    if (numberOf(r) == number_type::Plural) return "these-same";
    if (noun > p) return "this-same";
    const WordAnalysis& host = s.reading(noun);
    const bool thing = noun >= 0 && host.partOfSpeech == speech_type::Noun &&
                       host.kind2 != noun_kind_type::Proper && host.kind2 != noun_kind_type::Person;
    switch (genderOf(r)) {
    case gender_type::Masculine: return thing ? "him/itself" : "himself";
    case gender_type::Feminine: return thing ? "her/itself" : "herself";
    case gender_type::Neuter: return "itself";
    case gender_type::MascNeuter: return "him/itself";
    default: return "him/her/itself";
    }
}

// Position p opens a part of the sentence whose closing mark is a question mark ("Quod est opus
// vestrum?": what is your work?).
bool asksAQuestion(const PolishSentence& s, int p) {
    if (p > 0 && !isPunctuation(s.reading(p - 1))) return false;
    for (int q = p + 1; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (isPunctuation(r) && formOf(r) != ",") return formOf(r) == "?";
    }
    return false;
}

// "eo quod", "pro eo quod": quod after the ablative of is gives the cause ("because"), and the
// ablative says nothing of its own.
bool becauseOf(PolishSentence& s, int p) {
    if (formOf(s.reading(p - 1)) != "e.o") return false;
    s.setText(p - 1, "");
    return true;
}

// The fixed translation of a pronoun, or empty when its dictionary meaning stays.
std::string_view fixedTranslation(PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    const std::string plain = plainForm(r);
    if (plain == "quid") return "what";
    if (plain == "quod") return asksAQuestion(s, p) ? "what" : becauseOf(s, p) ? "because" : "that";
    if (plain == "quidquid") return "whatsoever";
    if (plain == "quodquod") return "whichsoever";
    const std::string_view stem = stemOf(r);
    const bool plural = numberOf(r) == number_type::Plural;
    const bool alone = nominalPartner(s, p) < 0;
    if (stem == "ips") return ipseForm(s, p);
    if (stem == "aliqu" && alone) {
        if (genderOf(r) == gender_type::Neuter) return "anything";
        return plural ? "anybody" : "anyone";
    }
    if (stem == "ist" && alone && !plural) {
        return genderOf(r) == gender_type::Neuter ? "that-thing" : "that-one";
    }
    if (stem == "ill" && plural && nominalPartner(s, p) > p) return "these-same";
    return {};
}

// The accusative nos/vos of a verb of the same person: "we defend ourselves".
bool isReflexiveObject(const PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    const bool firstPerson = formOf(r) == "n.os";
    if (!(firstPerson || formOf(r) == "u.os") || caseOf(r) != case_type::Accusative) return false;
    const int person = firstPerson ? 1 : 2;
    for (int q = partStart(s, p); q <= partEnd(s, p); ++q) {
        const WordAnalysis& v = s.reading(q);
        if (isFiniteVerb(v) && personOf(v) == person && verbNumberOf(v) == number_type::Plural) {
            return true;
        }
    }
    return false;
}

// The first whole "he" that is not the "he" of "s/he".
std::size_t findHe(std::string_view text) {
    for (std::size_t at = findWholeWord(text, "he"); at != std::string_view::npos;
         at = findWholeWord(text, "he", at + 1)) {
        if (at == 0 || text[at - 1] != '/') return at;
    }
    return std::string_view::npos;
}

void replaceHe(std::string& text, std::string_view replacement) {
    const std::size_t at = findHe(text);
    if (at != std::string::npos) text.replace(at, 2, replacement);
}

// "he"/"hes" before the noun they go with: "that thing", "those things".
void applyDemonstrativeUse(const PolishSentence& s, int p, std::string& text) {
    const WordAnalysis* partner = s.firstPartner(p);
    if (!partner || partner->partOfSpeech != speech_type::Noun || s.firstPartnerPosition(p) <= p) {
        return;
    }
    const bool plural = numberOf(s.reading(p)) == number_type::Plural;
    if (!replaceWholeWord(text, "hes", plural ? "those" : "that")) {
        if (findHe(text) != std::string::npos) replaceHe(text, plural ? "those" : "that");
    }
}

// English case forms of "I", "we" (marked "wes"), "they" (marked "hes") and "he". A masculine
// or feminine "he" is read as a person ("he", "she"): narrative speaks of people far more than
// of things of those genders, and English has no form that leaves the choice open.
void applyCaseForms(std::string& text, int latinCase, int gender) {
    if (holdsWord(text, "I")) {
        if (isOblique(latinCase)) replaceWholeWord(text, "I", "me");
    } else if (holdsWord(text, "wes")) {
        replaceWholeWord(text, "wes", latinCase == case_type::Nominative ? "we" : "us");
    } else if (holdsWord(text, "hes")) {
        const std::string_view they = gender == gender_type::Neuter ? "those"
                                      : isOblique(latinCase)        ? "them"
                                                                    : "they";
        replaceWholeWord(text, "hes", they);
    } else if (findHe(text) != std::string::npos) {
        const bool oblique = isOblique(latinCase);
        const std::string_view he = gender == gender_type::Neuter    ? "it"
                                    : gender == gender_type::Feminine ? (oblique ? "her" : "she")
                                                                      : (oblique ? "him" : "he");
        replaceHe(text, he);
    }
}

constexpr std::array<std::string_view, 4> kRelativeWords = {"which", "whichs", "who", "whos"};

bool isPersonNoun(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Noun &&
           (r.kind2 == noun_kind_type::Proper || r.kind2 == noun_kind_type::Person);
}

// An antecedent that "who" refers to: a person or a name, or a pronoun or adjective standing
// for persons ("omnes qui": all who); not a neuter and not a thing.
bool standsForPeople(const WordAnalysis& r) {
    if (genderOf(r) == gender_type::Neuter) return false;
    if (r.partOfSpeech == speech_type::Noun) return isPersonNoun(r) || isProperNoun(r);
    return r.partOfSpeech == speech_type::Pronoun || r.partOfSpeech == speech_type::SubstantiveAdjective ||
           r.partOfSpeech == speech_type::Adjective;
}

// The antecedent of an interrogative qui, quae, quod that the dictionary gave for a relative
// ("aquas quae erant": the waters which were), or -1 when it refers to nothing before it or asks.
int misreadRelativeAntecedent(const PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    if (r.kind2 != pronoun_kind_type::Interrogative || !isRelativePronoun(r) || asksAQuestion(s, p)) return -1;
    for (const RelativeClause& rc : findRelativeClauses(s)) {
        if (rc.pronoun == p) return rc.antecedent;
    }
    return -1;
}

// The relative pronoun: "what" for a neuter without antecedent, "who"/"whom" for a person,
// "which" otherwise.
void applyRelativeForm(const PolishSentence& s, int p, std::string& text,
                       const WordAnalysis* lastPersonNoun) {
    const WordAnalysis& r = s.reading(p);
    const int antecedent = misreadRelativeAntecedent(s, p);
    if (r.kind2 != pronoun_kind_type::Relative && antecedent < 0) return;
    const auto word = std::find_if(kRelativeWords.begin(), kRelativeWords.end(),
                                   [&](std::string_view w) { return holdsWord(text, w); });
    if (word == kRelativeWords.end()) return;
    const std::string_view personForm = isOblique(caseOf(r)) ? "whom" : "who";
    if (antecedent >= 0) {
        replaceWholeWord(text, *word, standsForPeople(s.reading(antecedent)) ? personForm : "which");
        return;
    }
    const WordAnalysis* partner = s.firstPartner(p);
    std::string_view form = "which";
    if (partner && !isVerb(*partner)) {
        const bool person = partner->partOfSpeech == speech_type::Noun &&
                            (partner->kind2 == noun_kind_type::Proper ||
                             partner->kind2 == noun_kind_type::Person);
        if (person) form = personForm;
    } else if (genderOf(r) == gender_type::Neuter) {
        form = "what";
    } else if (lastPersonNoun && genderOf(*lastPersonNoun) == genderOf(r) &&
               numberOf(*lastPersonNoun) == numberOf(r)) {
        form = personForm;
    }
    replaceWholeWord(text, *word, form);
}

// The dictionary meaning's first word, which a fixed translation replaces in the slot.
std::string_view meaningWord(const WordAnalysis& r) {
    std::string_view meaning = meaningOf(r);
    meaning = meaning.substr(0, meaning.find(' '));
    while (!meaning.empty() && !isWordLetter(meaning.back())) meaning.remove_suffix(1);
    return meaning;
}

// is, ea, id read as a demonstrative keeps its dictionary sense "same" only as idem (with the
// tackon "dem"); otherwise it is the pronoun of the third person, whose case forms follow:
// "posuit eas" -> "he put them", "dixit eis" -> "he said to them", not "same".
void readIsAsPersonal(const PolishSentence& s, int p, std::string& text) {
    const WordAnalysis& r = s.reading(p);
    const std::string_view stem = stemOf(r);
    if (r.kind2 != pronoun_kind_type::Demonstrative || (stem != "e" && stem != "i") ||
        formOf(s.reading(p + 1)) == "dem.") {
        return;
    }
    replaceWordOrPlural(text, "same", numberOf(r) == number_type::Plural ? "hes" : "he");
}

// Particles after which qui, quae, quod mean "any": si, nisi, num, ne, sin.
constexpr std::array<std::string_view, 6> kIndefiniteSignals = {"si.",  "nisi.", "num.",
                                                                "ne.", "sin.",  "numquid."};

// qui, quae, quod read as the indefinite "any" only after si, nisi, num, ne; elsewhere they are
// the relative ("filii sui, quem genuit ei Sara": whom Sarah bore him, not "any"). The reading
// becomes a relative and its slot says "which", which the relative form then settles.
bool isQuiForm(std::string_view form) {
    return (form.starts_with("qu.") || form.starts_with("cu.")) && form != "qu.is" && form != "qu.id" &&
           form != "qu.od";
}

bool afterIndefiniteSignal(const PolishSentence& s, int p) {
    for (int q = std::max(0, p - 3); q < p; ++q) {
        for (std::string_view signal : kIndefiniteSignals) {
            if (formOf(s.reading(q)) == signal) return true;
        }
    }
    return false;
}

void readMisreadRelative(PolishSentence& s, int p, std::string& text) {
    const WordAnalysis& r = s.reading(p);
    const bool indefinite =
        r.kind2 == pronoun_kind_type::Indefinite || r.kind2 == pronoun_kind_type::Adjectival;
    if (!indefinite || !isQuiForm(formOf(r)) || afterIndefiniteSignal(s, p)) return;
    // "qua ex causa": the adjective of a noun right after it.
    const WordAnalysis* partner = s.firstPartner(p);
    const int partnerAt = s.firstPartnerPosition(p);
    if (partner && partner->partOfSpeech == speech_type::Noun && partnerAt > p && partnerAt <= p + 2) return;
    if (!replaceWordOrPlural(text, meaningWord(r), "which")) return;
    if (WordAnalysis* editable = s.editableReading(p)) editable->kind2 = pronoun_kind_type::Relative;
}

// "mecum", "tecum", "nobiscum", "vobiscum": the tackon cum stands before its pronoun as
// "with"; the two read as one phrase in the pronoun's slot ("with me", "with you").
void joinCumTackon(PolishSentence& s, int p, std::string& text) {
    const WordAnalysis& before = s.reading(p - 1);
    if (before.partOfSpeech != speech_type::Tackon || formOf(before) != "cum.") return;
    for (std::string_view prefix : {"to ", "with ", "of "}) {
        if (removeLeading(text, prefix)) break;
    }
    applyCaseForms(text, case_type::Ablative, genderOf(s.reading(p)));
    text.insert(0, "with ");
    s.setText(p - 1, "");
}

// idem reads "the same" ("eadem die": on the same day, "in eodem loco": in the same place);
// English has no bare "same" before a noun or standing alone.
void addArticleToSame(std::string& text) {
    const std::size_t at = findWholeWord(text, "same");
    if (at == std::string::npos || (at > 0 && text[at - 1] == '-') ||
        (at >= 4 && text.compare(at - 4, 4, "the ") == 0)) {
        return;
    }
    text.insert(at, "the ");
}

}  // namespace

void applyPronounForms(PolishSentence& s, int p, const WordAnalysis* lastPersonNoun,
                       const PolishState& state) {
    const WordAnalysis& r = s.reading(p);
    std::string text = s.text(p);
    readIsAsPersonal(s, p, text);
    readMisreadRelative(s, p, text);
    applyDemonstrativeUse(s, p, text);
    std::string_view fixed = fixedTranslation(s, p);
    if (fixed.empty() && isReflexiveObject(s, p)) fixed = reflexiveOf(r);
    if (!fixed.empty()) replaceWordOrPlural(text, meaningWord(r), fixed);
    const bool subject = PolishState::holds(state.subjectForm, s.chosenIndex(p));
    applyCaseForms(text, subject ? int{case_type::Nominative} : caseOf(r), genderOf(r));
    applyRelativeForm(s, p, text, lastPersonNoun);
    joinCumTackon(s, p, text);
    addArticleToSame(text);
    s.setText(p, text);
}

}  // namespace kavro
