// The tenses of subjunctives in dependent clauses as English tells them. The imperfect
// subjunctive of a clause that states a fact is the simple past: "cum mortuus esset" -> "when
// he was dead", "vidit quod esset bonum" -> "saw that it was good" (the narrative tense rule
// gives it "would" elsewhere). The future perfect and the perfect subjunctive, one form in
// Latin, of a condition or a time to come read "will" when the sentence speaks of the future:
// "in quocumque die comederis, morte morieris" -> "in whatever day you will eat, you will die";
// after a conjunction of condition or time English has the present there, as for a future ("si
// inveneris": if you find, "donec revertaris": until you return).
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/narrative_tenses.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/relative_clauses.h"
#include "english/slot_words.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

// Words that open a clause whose subjunctive tells a fact: "cum esset" (when he was), "quod
// esset bona" (that it was good), "quia", "quoniam", "postquam", "ubi".
constexpr std::array<std::string_view, 7> kFactOpeners = {
    "cum.", "cumque.", "qu.od", "quia.", "quoniam.", "postquam.", "ubi."};

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
constexpr std::array<std::string_view, 9> kConditionOpeners = {
    "si.", "nisi.", "cum.", "cumque.", "donec.", "ubi.", "antequam.", "priusquam.", "dum."};

// The conjunctions among them: English tells their clause in the present ("si inveneris": if
// you find; "donec revertaris": until you return), the relatives keep "will" ("quicumque
// effuderit": whoever will pour out).
bool isConditionConjunction(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Conjunction &&
           std::find(kConditionOpeners.begin(), kConditionOpeners.end(), formOf(r)) != kConditionOpeners.end();
}

// The conjunctions of time, after which the present subjunctive is the English present.
constexpr std::array<std::string_view, 7> kTimeConjunctions = {"donec.", "antequam.", "priusquam.", "dum.",
                                                               "cum.", "ubi.", "postquam."};

bool isTimeConjunction(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Conjunction &&
           std::find(kTimeConjunctions.begin(), kTimeConjunctions.end(), formOf(r)) != kTimeConjunctions.end();
}

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

// The nearest opener of v's clause (within its part, or the conjunction before it) when it is
// one of a condition or time to come; -1 otherwise, and when another finite verb stands between
// (that one is the clause's verb: "si fecerit erit" -> "if he makes, he will be").
int conditionOpener(const PolishSentence& s, int v) {
    const int start = partStart(s, v);
    for (int q = v - 1; q >= start; --q) {
        const WordAnalysis& r = s.reading(q);
        if (opensCondition(r)) return q;
        if (opensClause(r) || isFiniteVerb(r)) return -1;
    }
    return start > 0 && opensCondition(s.reading(start - 1)) ? start - 1 : -1;
}

// The auxiliaries of the future and of the perfect and present subjunctives that open a verb
// phrase.
constexpr std::array<std::string_view, 6> kFutureAuxiliaries = {"might have ", "will have ", "shall have ",
                                                                "will ", "shall ", "may "};

// "if you might have ^found", "if you will ^find" -> "if you ^find", "if he will be ^found" ->
// "if he ^is found", "until you may ^return" -> "until you ^return": the English present of a
// condition or a time, after the subject pronoun the phrase has.
void presentOfCondition(PolishSentence& s, int v) {
    std::string text = s.text(v);
    std::size_t at = std::string::npos;
    for (std::string_view aux : kFutureAuxiliaries) {
        at = findWholeWord(text, aux.substr(0, aux.find(' ')));
        if (at != std::string::npos && text.compare(at, aux.size(), aux) == 0) break;
        at = std::string::npos;
    }
    if (at == std::string::npos) return;
    const WordAnalysis& r = s.reading(v);
    const std::string_view meaning = meaningOf(r);
    const std::size_t blank = std::min(meaning.find(' '), meaning.size());
    const std::string word(meaning.substr(0, blank));
    const bool deponent = r.kind2 == verb_kind_type::Deponent || r.kind2 == verb_kind_type::Semideponent;
    const bool passive = voiceOf(r) == voice_type::Passive && !deponent;
    const bool single = verbNumberOf(r) == number_type::Singular;
    const std::string be = !single || personOf(r) == 2 ? "are" : personOf(r) == 1 ? "am" : "is";
    const auto table = s.engine().lexicon.polish.as<PolishRecord>();
    std::string verb;
    if (word == "be") {
        verb = "^" + be + std::string(meaning.substr(blank));
    } else if (passive) {
        verb = be + " ^" + word + "+ed" + std::string(passiveRest(meaning.substr(blank), table));
    } else {
        verb = "^" + word + (single && personOf(r) == 3 ? "+s" : "") + std::string(meaning.substr(blank));
    }
    text = text.substr(0, at) + verb;
    resolveMarkers(text, r, nullptr);
    applyPolishTable(table, text);
    s.setText(v, text);
}

// A sentence that closes with a question mark ("Quid si inventi fuerint triginta?").
bool asksAQuestion(const PolishSentence& s) {
    for (int q = s.size() - 1; q >= 0; --q) {
        if (isPunctuation(s.reading(q))) return formOf(s.reading(q)) == "?";
    }
    return false;
}

bool isConditionTense(const WordAnalysis& r) {
    const bool perfectSubjunctive =
        tenseOf(r) == tense_type::Perfect && moodOf(r) == mood_type::Subjunctive;
    const bool futurePerfect =
        tenseOf(r) == tense_type::FuturePerfect && moodOf(r) == mood_type::Indicative;
    return perfectSubjunctive || futurePerfect;
}

}  // namespace

void readSubordinateTenses(PolishSentence& s) {
    const bool future = speaksOfTheFuture(s) || asksAQuestion(s);
    for (int v = 0; v < s.size(); ++v) {
        const WordAnalysis& r = s.reading(v);
        if (!isFiniteVerb(r) || s.isUserPhrase(v)) continue;
        const int opener = conditionOpener(s, v);
        const bool futureIndicative = moodOf(r) == mood_type::Indicative && tenseOf(r) == tense_type::Future;
        if (opener >= 0 && isConditionConjunction(s.reading(opener)) &&
            ((future && isConditionTense(r)) || futureIndicative)) {
            presentOfCondition(s, v);
        } else if (future && isConditionTense(r) && opener >= 0) {
            futureOfCondition(s, v);
        }
        const bool imperfectSubjunctive =
            moodOf(r) == mood_type::Subjunctive && tenseOf(r) == tense_type::Imperfect;
        if (imperfectSubjunctive && inFactClause(s, v)) pastOfFact(s, v);
        // "donec revertaris": until you return; "antequam moriar": before I die.
        const bool presentSubjunctive = moodOf(r) == mood_type::Subjunctive && tenseOf(r) == tense_type::Present;
        if (presentSubjunctive && opener >= 0 && isTimeConjunction(s.reading(opener))) presentOfCondition(s, v);
    }
}

}  // namespace kavro
