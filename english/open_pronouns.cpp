// Pronouns that assembly left open: "s/he/it" in front of a verb without an expressed subject,
// and "his/her/their" for the reflexive possessive suus. English needs one of them; and none
// after a relative pronoun that is the verb's subject.
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/relative_clauses.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

// A third person verb without a subject in its clause continues the person the narrative is
// about: "he". (Taking the gender of the last nominative of the sentence instead was measured
// worse: it is often a thing, or a name whose gender was guessed from its ending; only a
// woman named by a noun of persons makes it "she".)
constexpr std::string_view kOpenSubject = "he";

// The finite verb whose subject suus at p refers to: the first one of p's clause part, else
// the nearest one before p, else the nearest after it; -1 when the sentence has none.
int governingVerb(const PolishSentence& s, int p) {
    for (int q = partStart(s, p); q <= partEnd(s, p); ++q) {
        if (isFiniteVerb(s.reading(q))) return q;
    }
    for (int q = p - 1; q >= 0; --q) {
        if (isFiniteVerb(s.reading(q))) return q;
    }
    for (int q = p + 1; q < s.size(); ++q) {
        if (isFiniteVerb(s.reading(q))) return q;
    }
    return -1;
}

// The subject of the verb at v: a nominative nominal tied to it, or -1.
int subjectOf(const PolishSentence& s, int v) {
    for (int q = 0; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (q != v && isNominal(r) && caseOf(r) == case_type::Nominative && s.tied(q, v)) return q;
    }
    return -1;
}

// suus refers to the subject of its verb: "their" for a plural verb, "its" for a neuter
// subject, "her" for a feminine person, "his" otherwise.
std::string_view reflexivePossessive(const PolishSentence& s, int p) {
    const int verb = governingVerb(s, p);
    if (verb < 0) return "his";
    const WordAnalysis& v = s.reading(verb);
    if (personOf(v) == 1) return verbNumberOf(v) == number_type::Plural ? "our" : "my";
    if (personOf(v) == 2) return "your";
    if (verbNumberOf(v) == number_type::Plural) return "their";
    const int subject = subjectOf(s, verb);
    if (subject < 0) return "his";
    const WordAnalysis& r = s.reading(subject);
    if (genderOf(r) == gender_type::Neuter) return "its";
    const bool person = r.kind2 == noun_kind_type::Person || r.kind2 == noun_kind_type::Proper;
    return genderOf(r) == gender_type::Feminine && person ? "her" : "his";
}

void settlePossessive(PolishSentence& s, int p, std::string& text) {
    const std::size_t at = findWholeWord(text, "his/her/their");
    if (at == std::string::npos) return;
    std::string possessive(reflexivePossessive(s, p));
    const std::size_t end = at + 13;
    if (text.compare(end, 4, "-own") == 0) {
        text.replace(at, 17, possessive + " own");
    } else {
        text.replace(at, 13, possessive);
    }
}

// "quae erant" -> "which were": a verb right after a nominative relative pronoun has its
// subject in it and takes no pronoun of its own; so has one after a nominative interrogative
// ("quis est" -> "who is"), which the choice of readings also takes for many relatives.
void dropPronounAfterRelative(const PolishSentence& s, int p, std::string& text) {
    if (!isVerb(s.reading(p))) return;
    int q = p - 1;
    while (q >= 0 && s.text(q).empty()) --q;
    if (q < 0) return;
    const WordAnalysis& r = s.reading(q);
    const bool clauseWord =
        r.partOfSpeech == speech_type::Pronoun &&
        (r.kind2 == pronoun_kind_type::Relative || r.kind2 == pronoun_kind_type::Interrogative);
    // "quicumque effuderit": whoever pours out.
    const bool generalWord =
        r.partOfSpeech == speech_type::SubstantiveAdjective && stemOf(r).ends_with("cumque");
    // "eo quod" reads "because", and a quod that refers to nothing before it "that": both are
    // conjunctions, which leave the verb its pronoun ("vidit quod esset bonum": that it was good).
    if (!(clauseWord || generalWord) || caseOf(r) != case_type::Nominative || s.text(q) == "because") return;
    if (formOf(r) == "qu.od" && !refersBack(findRelativeClauses(s), q)) return;
    for (std::string_view pronoun : {"they ", "he ", "she ", "it ", "s/he/it "}) {
        if (removeLeading(text, pronoun)) return;
    }
}

// The subject pronoun of a verb without a subject: "it" for "be" with a neuter predicate
// ("quod esset bonum": that it was good), "he" otherwise.
// The subject of an earlier verb of the sentence is a woman ("mulier venit, et dixit": and she
// said): the nearest nominative noun of a person before v that is tied to a finite verb, when it
// is feminine and singular. Names are left out: their gender is often guessed from the ending.
bool followsAWoman(const PolishSentence& s, int v) {
    for (int q = v - 1; q >= 0; --q) {
        const WordAnalysis& r = s.reading(q);
        if (r.partOfSpeech != speech_type::Noun || caseOf(r) != case_type::Nominative ||
            r.kind2 != noun_kind_type::Person) {
            continue;
        }
        bool subject = false;
        for (int w = 0; w < s.size() && !subject; ++w) subject = w != q && isFiniteVerb(s.reading(w)) && s.tied(q, w);
        if (!subject) continue;
        return genderOf(r) == gender_type::Feminine && numberOf(r) == number_type::Singular;
    }
    return false;
}

std::string_view openSubject(const PolishSentence& s, int v) {
    if (!isCopulaBe(s.reading(v))) return followsAWoman(s, v) ? "she" : kOpenSubject;
    for (int q = partStart(s, v); q <= partEnd(s, v); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (r.partOfSpeech == speech_type::Adjective && genderOf(r) == gender_type::Neuter &&
            numberOf(r) == number_type::Singular) {
            return "it";
        }
    }
    return kOpenSubject;
}

// The future of the first person is "will" in current English ("I shall go" -> "I will go").
void modernFirstPersonFuture(const PolishSentence& s, int p, std::string& text) {
    if (isVerb(s.reading(p)) && personOf(s.reading(p)) == 1) replaceWholeWord(text, "shall", "will");
}

}  // namespace

void settleOpenPronouns(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        if (s.isUserPhrase(p)) continue;
        std::string text = s.text(p);
        dropPronounAfterRelative(s, p, text);
        modernFirstPersonFuture(s, p, text);
        const std::size_t at = text.find("s/he/it");
        if (at != std::string::npos && (at == 0 || !isWordLetter(text[at - 1]))) {
            text.replace(at, 7, openSubject(s, p));
        }
        if (stemOf(s.reading(p)) == "su") settlePossessive(s, p, text);
        s.setText(p, text);
    }
}

}  // namespace kavro
