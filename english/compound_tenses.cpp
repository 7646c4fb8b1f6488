// Compound tenses: a nominative perfect passive participle with a present, imperfect or future
// of "be" reads as one English tense. The perfect takes the simple past of narrative ("captus
// est" -> "he was captured", deponents "locutus est" -> "he spoke"); the others keep
// their compound ("captus erat" -> "had been captured", "captus erit" -> "will have been").
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/narrative_tenses.h"
#include "english/polish_records.h"
#include "english/polish_steps.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

struct Rewrite {
    std::string_view from;
    std::string_view to;
};

// "be" phrases of the present, imperfect and future turned into perfect, pluperfect and
// future perfect; the first rewrite found applies. The present of the indicative is made the
// simple past ("was"/"were") apart from these tables. The pluperfect subjunctive of a story
// is its pluperfect, as that of the simple verbs ("cum finitus esset" -> "when it had been
// finished").
constexpr std::array<Rewrite, 1> kPresentSubjunctiveOfBe = {{{"may ^be", "may have ^been"}}};
constexpr std::array<std::string_view, 4> kPresentOfBe = {"^is", "^am", "^are", "^be"};
constexpr std::array<Rewrite, 3> kImperfectOfBe = {{{"might ^be", "had ^been"},
                                                    {"was ^being", "had ^been"},
                                                    {"were ^being", "had ^been"}}};
constexpr std::array<Rewrite, 2> kFutureOfBe = {{{"will ^be", "will have ^been"},
                                                 {"shall ^be", "shall have ^been"}}};
// "have" phrases of deponents; every rewrite found applies. The imperfect subjunctive of "be"
// makes the pluperfect ("cum locutus esset": when he had spoken), as for the other verbs.
constexpr std::array<Rewrite, 7> kHaveForms = {{{"might ^have", "^had"},
                                               {"^have+s", "^has"},
                                               {"was ^have+ing", "^had"},
                                               {"were ^have+ing", "^had"},
                                               {"have ^have+ed", "^had"},
                                               {"had ^have+ed", "had"},
                                               {"has ^have+ed", "has"}}};

bool rewrite(std::string& phrase, const Rewrite& r) {
    const std::size_t at = phrase.find(r.from);
    if (at == std::string::npos) return false;
    phrase.replace(at, r.from.size(), r.to);
    return true;
}

template <std::size_t N>
void rewriteFirst(std::string& phrase, const std::array<Rewrite, N>& table) {
    for (const Rewrite& r : table) {
        if (rewrite(phrase, r)) return;
    }
}

bool isDeponent(const WordAnalysis& r) {
    return r.kind2 == verb_kind_type::Deponent || r.kind2 == verb_kind_type::Semideponent;
}

// A "be" of the participle's number in the present, imperfect or future.
bool isCompoundCopula(const WordAnalysis& verb, const WordAnalysis& participle) {
    return isCopulaBe(verb) && moodOf(verb) < mood_type::Infinitive &&
           tenseOf(verb) < tense_type::Perfect && verbNumberOf(verb) == numberOf(participle);
}

// The "be" that follows the participle (past adjectives of its case and number), or the one
// that the predicate step put directly before it; -1 when there is none.
int findCopula(const PolishSentence& s, int p, const PolishState& state) {
    const WordAnalysis& participle = s.reading(p);
    for (int q = p + 1; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        const bool passOver = r.partOfSpeech == speech_type::Adjective &&
                              caseOf(r) == caseOf(participle) && numberOf(r) == numberOf(participle);
        if (passOver) continue;
        if (isCompoundCopula(r, participle)) return q;
        break;
    }
    const bool exchanged = PolishState::holds(state.besideCopula, s.chosenIndex(p));
    return exchanged && isCompoundCopula(s.reading(p - 1), participle) ? p - 1 : -1;
}

// How many nominative subjects the verb has (a plural one counting 2), as assembly counted them;
// the noun that the participle agrees with is one ("impleti sunt omnes dies": all the days were
// filled up).
int subjectCount(const PolishSentence& s, int verb, int participle) {
    for (int q = 0; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (q != verb && isNominal(r) && caseOf(r) == case_type::Nominative &&
            (s.tied(q, verb) || s.tied(q, participle))) {
            return numberOf(r) == number_type::Plural ? 2 : 1;
        }
    }
    return 0;
}

// "^is" -> "^was", "^are" -> "^were": the present indicative of "be" in the past of narrative.
void presentOfBeToPast(std::string& phrase, const WordAnalysis& verb) {
    const bool was = verbNumberOf(verb) == number_type::Singular && personOf(verb) != 2;
    for (std::string_view form : kPresentOfBe) {
        const std::size_t at = phrase.find(form);
        const std::size_t end = at + form.size();
        if (at == std::string::npos || (end < phrase.size() && phrase[end] != ' ')) continue;
        phrase.replace(at, form.size(), was ? "^was" : "^were");
        return;
    }
}

// A deponent's "has" with its participle is the simple past of the participle's verb, in the
// verb's slot after its subject pronoun ("s/he/it ^has" and "spoken" -> "s/he/it ^spoke"); the
// participle's slot is emptied.
void deponentToSimplePast(PolishSentence& s, int participle, int verb, std::string& phrase) {
    const std::string_view meaning = meaningOf(s.reading(participle));
    const std::size_t blank = std::min(meaning.find(' '), meaning.size());
    const auto table = s.engine().lexicon.polish.as<PolishRecord>();
    std::string past = "^" + simplePast(meaning.substr(0, blank), table);
    past += meaning.substr(blank);
    resolveMarkers(past, s.reading(verb), nullptr);
    phrase.resize(std::min(phrase.find('^'), phrase.size()));
    phrase += past;
    s.setText(participle, "");
}

// "s/he/it" of a rebuilt phrase follows the gender of the participle, which agrees with the
// subject ("factum est" -> "it happened").
void settlePronoun(std::string& phrase, const WordAnalysis& participle) {
    if (!phrase.starts_with("s/he/it")) return;
    switch (genderOf(participle)) {
    case gender_type::Masculine: phrase.replace(0, 7, "he"); break;
    case gender_type::Feminine: phrase.replace(0, 7, "she"); break;
    case gender_type::Neuter: phrase.replace(0, 7, "it"); break;
    default: break;
    }
}

}  // namespace

void buildCompoundTense(PolishSentence& s, int p, const PolishState& state) {
    const WordAnalysis& participle = s.reading(p);
    if (caseOf(participle) != case_type::Nominative || !isPerfectPassiveParticiple(participle)) return;
    const int verb = findCopula(s, p, state);
    if (verb < 0 || s.isUserPhrase(verb)) return;
    Engine& engine = s.engine();
    const int count = std::clamp(engine.analysisCount, 0, static_cast<int>(kAnalysisCapacity));
    const std::span<const WordAnalysis> analyses(engine.wordAnalyses, static_cast<std::size_t>(count));
    const bool deponent = isDeponent(participle);
    std::string phrase = buildVerbPhrase(deponent ? "have" : "be", subjectCount(s, verb, p),
                                         s.chosenIndex(verb), analyses);
    const bool present = tenseOf(s.reading(verb)) == tense_type::Present;
    const bool indicative = moodOf(s.reading(verb)) != mood_type::Subjunctive;
    if (deponent && present && indicative) {
        deponentToSimplePast(s, p, verb, phrase);
    } else if (deponent) {
        for (const Rewrite& r : kHaveForms) rewrite(phrase, r);
    } else if (tenseOf(s.reading(verb)) == tense_type::Imperfect) {
        rewriteFirst(phrase, kImperfectOfBe);
    } else if (tenseOf(s.reading(verb)) == tense_type::Future) {
        rewriteFirst(phrase, kFutureOfBe);
    } else if (!indicative) {
        rewriteFirst(phrase, kPresentSubjunctiveOfBe);
    } else {
        presentOfBeToPast(phrase, s.reading(verb));
    }
    settlePronoun(phrase, participle);
    if (s.text(verb).starts_with('~')) phrase.insert(0, "~");
    s.setText(verb, phrase);
}

}  // namespace kavro
