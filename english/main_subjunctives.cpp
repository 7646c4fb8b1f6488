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

#include "english/connectives.h"
#include "english/narrative_tenses.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/relative_clauses.h"
#include "english/slot_words.h"
#include "english/verb_phrase.h"
#include "job/engine.h"
#include "job/grammar_codes.h"

namespace kavro {

namespace {

// Conjunctions that join two main clauses; any other conjunction opens a dependent clause.
constexpr std::array<std::string_view, 10> kCoordinators = {"et.", "ac.", "atque.", "sed.", "aut.",
                                                            "uel.", "nec.", "neque.", "at.", "que."};

// Particles that make a subjunctive a wish, a fear or a dependent question rather than a
// command: "utinam vivat" (if only he would live), "ne forte patiatur" (lest he suffer).
constexpr std::array<std::string_view, 7> kNonCommandParticles = {"ne.", "utinam.", "ut.", "uti.",
                                                                  "quomodo.", "cur.", "quare."};

// Subject pronouns of the verb phrase and their forms after "let".
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kLetPronouns = {{
    {"he ", "let him "}, {"she ", "let her "}, {"it ", "let it "}, {"they ", "let them "}, {"we ", "let us "}}};

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

// "ne" with the second person, opening a sentence, forbids: "ne transeas" -> "do not pass", "ne feceris" -> "do not
// do". False when the verb phrase is not of the shape the templates give.
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

// Words that open a clause whose subjunctive tells a fact: "cum esset" (when he was), "quod
// esset bona" (that it was good), "quia", "quoniam", "postquam", "ubi".
constexpr std::array<std::string_view, 7> kFactOpeners = {"cum.", "cumque.", "qu.od", "quia.", "quoniam.",
                                                          "postquam.", "ubi."};

bool opensFactClause(const WordAnalysis& r) {
    for (std::string_view form : kFactOpeners) {
        if (formOf(r) == form) return true;
    }
    return false;
}

// A word before v in its part, or the conjunction before the part, opens a clause of fact.
// After quod only "be" tells a fact for sure ("quod esset bona": that it was good); the other
// verbs may report what was to come ("promisit quod traderet": that he would hand over).
bool inFactClause(const PolishSentence& s, int v) {
    const int start = partStart(s, v);
    const auto opens = [&](int q) {
        const WordAnalysis& r = s.reading(q);
        return opensFactClause(r) && (formOf(r) != "qu.od" || isCopulaBe(s.reading(v)));
    };
    for (int q = start; q < v; ++q) {
        if (opens(q)) return true;
    }
    return start > 0 && opens(start - 1);
}

// "would ^be" -> "^was", "would ^come" -> "^came": the imperfect subjunctive of a fact.
void pastOfFact(PolishSentence& s, int v) {
    std::string text = s.text(v);
    const std::size_t would = findWholeWord(text, "would");
    if (would == std::string::npos || text.compare(would + 6, 1, "^") != 0) return;
    const std::size_t word = would + 7;
    std::size_t end = word;
    while (end < text.size() && isWordLetter(text[end])) ++end;
    const std::string verb = text.substr(word, end - word);
    const WordAnalysis& r = s.reading(v);
    const bool was = verbNumberOf(r) == number_type::Singular && personOf(r) != 2;
    const auto table = s.engine().lexicon.polish.as<PolishRecord>();
    const std::string past = verb == "be" ? (was ? "was" : "were") : simplePast(verb, table);
    text.replace(would, end - would, "^" + past);
    resolveMarkers(text, r, nullptr);
    applyPolishTable(table, text);
    s.setText(v, text);
}

// A finite verb of the future or a command in the sentence: the time a future perfect or a
// perfect subjunctive of a dependent clause looks to.
bool speaksOfTheFuture(const PolishSentence& s) {
    for (int q = 0; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (!isFiniteVerb(r)) continue;
        if (moodOf(r) == mood_type::Imperative) return true;
        if (moodOf(r) == mood_type::Indicative && tenseOf(r) == tense_type::Future) return true;
    }
    return false;
}

// "si comederis", "quicumque effuderit", "cum operatus fueris": the future perfect and the
// perfect subjunctive (one form in Latin) of a clause that looks to the future read "will":
// "you might have ^eaten up" -> "you will ^eat up", "you will have ^worked" -> "you will
// ^work", "might have been ^found" -> "will be ^found".
void futureOfCondition(PolishSentence& s, int v) {
    std::string text = s.text(v);
    for (std::string_view aux : {std::string_view("might have "), std::string_view("will have ")}) {
        const std::size_t at = findWholeWord(text, aux.substr(0, aux.find(' ')));
        if (at == std::string::npos || text.compare(at, aux.size(), aux) != 0) continue;
        const std::size_t rest = at + aux.size();
        if (text.compare(rest, 6, "been ^") == 0) {
            text.replace(at, aux.size() + 5, "will be ");
        } else if (text.compare(rest, 1, "^") == 0) {
            std::size_t end = rest + 1;
            while (end < text.size() && isWordLetter(text[end])) ++end;
            const std::string_view meaning = meaningOf(s.reading(v));
            text.replace(at, end - at, "will ^" + std::string(meaning.substr(0, meaning.find(' '))));
        } else {
            return;
        }
        s.setText(v, text);
        return;
    }
}

// Clauses whose future perfect tells a condition or a time to come: si, nisi, cum, donec,
// ubi, antequam, and the relatives ("omnis qui invenerit", "quicumque effuderit"); not the
// causes and questions of quod, quia, quoniam, utrum, quid, whose perfect is past.
constexpr std::array<std::string_view, 9> kConditionOpeners = {"si.", "nisi.", "cum.", "cumque.", "donec.",
                                                               "ubi.", "antequam.", "priusquam.", "dum."};

bool opensCondition(const WordAnalysis& r) {
    if (isRelativePronoun(r) && formOf(r) != "qu.od" && formOf(r) != "qu.id") return true;
    if (stemOf(r).ends_with("cumque") && r.partOfSpeech != speech_type::Adverb) return true;
    for (std::string_view form : kConditionOpeners) {
        if (formOf(r) == form) return true;
    }
    return false;
}

// A word that opens a clause: a conjunction, a relative or interrogative pronoun.
bool opensClause(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Conjunction || stemOf(r).ends_with("cumque") ||
           (r.partOfSpeech == speech_type::Pronoun &&
            (r.kind2 == pronoun_kind_type::Relative || r.kind2 == pronoun_kind_type::Interrogative));
}

// The nearest opener of v's clause (within its part, or the conjunction before it) is one of
// a condition or time to come.
bool inConditionClause(const PolishSentence& s, int v) {
    const int start = partStart(s, v);
    for (int q = v - 1; q >= start; --q) {
        const WordAnalysis& r = s.reading(q);
        if (opensCondition(r)) return true;
        if (opensClause(r)) return false;
    }
    return start > 0 && opensCondition(s.reading(start - 1));
}

bool isConditionTense(const WordAnalysis& r) {
    const bool perfectSubjunctive = tenseOf(r) == tense_type::Perfect && moodOf(r) == mood_type::Subjunctive;
    const bool futurePerfect = tenseOf(r) == tense_type::FuturePerfect && moodOf(r) == mood_type::Indicative;
    return perfectSubjunctive || futurePerfect;
}

}  // namespace

void readMainSubjunctives(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) readNe(s, p);
    const bool future = speaksOfTheFuture(s);
    for (int v = 0; v < s.size() && future; ++v) {
        if (isFiniteVerb(s.reading(v)) && isConditionTense(s.reading(v)) && !s.isUserPhrase(v) &&
            inConditionClause(s, v)) {
            futureOfCondition(s, v);
        }
    }
    for (int v = 0; v < s.size(); ++v) {
        const WordAnalysis& r = s.reading(v);
        if (isFiniteVerb(r) && moodOf(r) == mood_type::Subjunctive && tenseOf(r) == tense_type::Imperfect &&
            !s.isUserPhrase(v) && inFactClause(s, v)) {
            pastOfFact(s, v);
        }
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
