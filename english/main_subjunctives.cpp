// The present subjunctive of a main clause. It is not the "may" of a purpose clause but a wish or
// a command: "Germinet terra herbam" -> "Let the earth sprout the herb", "Faciamus hominem" ->
// "Let us make man", "et dividat aquas" -> "and let it divide the waters", and fio says that a
// thing comes to be: "Fiat lux" -> "Let there be light". A first person singular in -am of the
// third and fourth conjugations has the form of the future as well, which a main clause means:
// "Ponam inimicitias" -> "I will put the enmities". After "ne" it tells a fear ("lest") or,
// in the second person, forbids ("do not").
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/connectives.h"
#include "english/polish_steps.h"
#include "english/relative_clauses.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

// Conjunctions that join two main clauses; any other conjunction opens a dependent clause.
constexpr std::array<std::string_view, 10> kCoordinators = {"et.", "ac.", "atque.", "sed.", "aut.",
                                                            "uel.", "nec.", "neque.", "at.", "que."};

// Particles that make a subjunctive a wish, a fear or a dependent question rather than a
// command: "utinam vivat" (if only he would live), "ne forte patiatur" (lest he suffer).
constexpr std::array<std::string_view, 7> kNonCommandParticles = {
    "ne.", "utinam.", "ut.", "uti.", "quomodo.", "cur.", "quare."};

// Subject pronouns of the verb phrase and their forms after "let".
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kLetPronouns = {{
    {"he ", "let him "}, {"she ", "let her "}, {"it ", "let it "}, {"they ", "let them "},
    {"we ", "let us "}}};

constexpr int kThirdConjugation = 3, kFourthConjugation = 4;

bool isCoordinator(const WordAnalysis& r) {
    if (r.partOfSpeech == speech_type::Tackon) return true;
    if (r.partOfSpeech != speech_type::Conjunction) return false;
    for (std::string_view form : kCoordinators) {
        if (formOf(r) == form) return true;
    }
    return isConnective(r);
}

// A word inside a part that makes it a dependent clause or a question.
bool makesDependent(const WordAnalysis& r) {
    for (std::string_view form : kNonCommandParticles) {
        if (formOf(r) == form) return true;
    }
    return isRelativePronoun(r) ||
           (r.partOfSpeech == speech_type::Pronoun && r.kind2 == pronoun_kind_type::Interrogative) ||
           (r.partOfSpeech == speech_type::Conjunction && !isCoordinator(r));
}

bool hasDependentWord(const PolishSentence& s, int from, int to) {
    for (int q = from; q < to; ++q) {
        if (makesDependent(s.reading(q))) return true;
    }
    return false;
}

// The verb at v stands in a main clause: nothing in its part before it opens a dependent
// clause, and the part follows a mark of punctuation or the start of the sentence, or joins a
// part that is itself a main clause.
bool inMainClause(const PolishSentence& s, int v) {
    int start = partStart(s, v);
    if (hasDependentWord(s, start, v)) return false;
    for (int opener = start - 1; opener >= 0; opener = start - 1) {
        const WordAnalysis& r = s.reading(opener);
        if (isPunctuation(r)) return formOf(r) != "?";
        if (!isCoordinator(r)) return false;
        if (opener == 0) return true;
        start = partStart(s, opener - 1);
        if (hasDependentWord(s, start, opener)) return false;
    }
    return true;
}

// The sentence mark that closes the part of v is a question mark.
bool inQuestion(const PolishSentence& s, int v) {
    for (int q = v + 1; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (isPunctuation(r) && formOf(r) != ",") return formOf(r) == "?";
    }
    return false;
}

// The nominative that is the verb's subject, or -1.
int subjectOf(const PolishSentence& s, int v) {
    for (int q = partStart(s, v); q <= partEnd(s, v); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (q != v && isNominal(r) && caseOf(r) == case_type::Nominative && s.tied(q, v)) return q;
    }
    return -1;
}

// The first position of the subject's phrase: the words before it that are tied to it.
int phraseStart(const PolishSentence& s, int subject) {
    int first = subject;
    while (first > 0 && !isPunctuation(s.reading(first - 1)) && !isVerb(s.reading(first - 1)) &&
           s.tied(first - 1, subject)) {
        --first;
    }
    return first;
}

void removeArticle(std::string& text) {
    if (!removeLeading(text, "the ")) removeLeading(text, "~the ");
}

// "fiat lux": "let there be light" on the subject, whichever side of the verb it stands.
void letThereBe(PolishSentence& s, int v, int subject) {
    if (subject < 0) {
        s.setText(v, "let there be");
        return;
    }
    std::string text = s.text(subject);
    removeArticle(text);
    const int first = subject < v ? phraseStart(s, subject) : v;
    if (first == v) {
        s.setText(v, "let there be");
        s.setText(subject, text);
        return;
    }
    s.setText(subject, text);
    std::string lead = s.text(first);
    removeArticle(lead);
    s.setText(first, "let there be " + lead);
    s.setText(v, "");
}

// "may" gives way to "let": before the subject's phrase, or with the object form of the
// verb's own pronoun. False when the phrase is not of that shape.
bool letInsteadOfMay(PolishSentence& s, int v, int subject) {
    std::string text = s.text(v);
    const std::size_t may = findWholeWord(text, "may");
    if (may == std::string::npos) return false;
    const std::string pronoun = text.substr(0, may);
    std::string rest = text.substr(may + 4);
    if (rest.starts_with("have ")) return false;   // "captus sit": a wish about the past
    if (pronoun.empty()) {
        if (subject < 0 || subject > v) return false;
        const int first = phraseStart(s, subject);
        s.setText(first, "let " + s.text(first));
        s.setText(v, rest);
        return true;
    }
    for (const auto& [subjectForm, letForm] : kLetPronouns) {
        if (pronoun == subjectForm) {
            s.setText(v, std::string(letForm) + rest);
            return true;
        }
    }
    return false;
}

// "pon.am", "ueni.am", "faci.am": a first person singular that is also a future.
bool isFutureInForm(const WordAnalysis& v) {
    const int conjugation = v.stemClass / 16;
    const std::string_view form = formOf(v);
    return personOf(v) == 1 && verbNumberOf(v) == number_type::Singular && form.ends_with(".am") &&
           (conjugation == kThirdConjugation || conjugation == kFourthConjugation);
}

// Position p starts the sentence or follows a colon or semicolon.
bool opensSentence(const PolishSentence& s, int p) {
    if (p == 0) return true;
    const WordAnalysis& before = s.reading(p - 1);
    return isPunctuation(before) && formOf(before) != ",";
}

// "ne" with the second person, opening a sentence, forbids: "ne transeas" -> "do not pass",
// "ne feceris" -> "do not do". False when the verb phrase is not of the shape the templates
// give.
bool forbid(PolishSentence& s, int p, int v) {
    std::string text = s.text(v);
    if (removeLeading(text, "you may ")) {
        s.setText(v, text);
    } else if (text.starts_with("you might have ^") && voiceOf(s.reading(v)) == voice_type::Active) {
        s.setText(v, "^" + std::string(meaningOf(s.reading(v))));
    } else {
        return false;
    }
    s.setText(p, "do not");
    return true;
}

// "ne" before a subjunctive says what is feared: "ne moriamur" -> "lest we may die", "timeo ne
// putet" -> "I fear lest he may think"; or what is forbidden.
void readNe(PolishSentence& s, int p) {
    if (formOf(s.reading(p)) != "ne." || s.text(p) != "not") return;
    for (int q = p + 1; q < s.size() && !isPunctuation(s.reading(q)); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (!isFiniteVerb(r)) continue;
        if (moodOf(r) != mood_type::Subjunctive) return;
        if (personOf(r) == 2 && opensSentence(s, p) && forbid(s, p, q)) return;
        s.setText(p, "lest");
        return;
    }
}

}  // namespace

void readMainSubjunctives(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) readNe(s, p);
    for (int v = 0; v < s.size(); ++v) {
        const WordAnalysis& r = s.reading(v);
        if (!isFiniteVerb(r) || moodOf(r) != mood_type::Subjunctive || tenseOf(r) != tense_type::Present ||
            s.isUserPhrase(v) || !inMainClause(s, v) || inQuestion(s, v)) {
            continue;
        }
        if (isFutureInForm(r)) {
            std::string text = s.text(v);
            if (replaceWholeWord(text, "may", "will")) s.setText(v, text);
            continue;
        }
        const int subject = subjectOf(s, v);
        if (personOf(r) == 3 && stemOf(r) == "fi") {
            letThereBe(s, v, subject);
        } else if (personOf(r) == 3 || (personOf(r) == 1 && verbNumberOf(r) == number_type::Plural)) {
            letInsteadOfMay(s, v, subject);
        }
    }
}

}  // namespace kavro
