// Compound tenses: a nominative perfect passive participle with a present, imperfect or future
// of "be" reads as one English tense ("captus est" -> "he/it has been captured", "captus erat"
// -> "had been captured"; deponents "locutus est" -> "has spoken").
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "english/polish_steps.h"
#include "english/verb_phrase.h"
#include "job/engine.h"
#include "job/grammar_codes.h"

namespace kavro {

namespace {

struct Rewrite {
    std::string_view from;
    std::string_view to;
};

// "be" phrases of the present, imperfect and future turned into perfect, pluperfect and
// future perfect; the first rewrite found applies.
constexpr std::array<Rewrite, 5> kPresentOfBe = {{{"may ^be", "may have ^been"},
                                                  {"^is", "has ^been"},
                                                  {"I ^be", "I have ^been"},
                                                  {"^be", "have ^been"},
                                                  {"^are", "have ^been"}}};
constexpr std::array<Rewrite, 3> kImperfectOfBe = {{{"might ^be", "might have ^been"},
                                                    {"was ^being", "had ^been"},
                                                    {"were ^being", "had ^been"}}};
constexpr std::array<Rewrite, 2> kFutureOfBe = {{{"will ^be", "will have ^been"},
                                                 {"shall ^be", "shall have ^been"}}};
// "have" phrases of deponents; every rewrite found applies.
constexpr std::array<Rewrite, 6> kHaveForms = {{{"^have+s", "^has"},
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

// How many nominative subjects the verb has (a plural one counting 2), as assembly counted them.
int subjectCount(const PolishSentence& s, int verb) {
    for (int q = 0; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (q != verb && isNominal(r) && caseOf(r) == case_type::Nominative && s.tied(q, verb)) {
            return numberOf(r) == number_type::Plural ? 2 : 1;
        }
    }
    return 0;
}

// "s/he/it" of a rebuilt phrase follows the gender of the word after the verb.
void settlePronoun(std::string& phrase, const WordAnalysis& next) {
    if (!phrase.starts_with("s/he/it")) return;
    switch (genderOf(next)) {
    case gender_type::Masculine: phrase.replace(0, 7, "he/it"); break;
    case gender_type::Feminine: phrase.replace(0, 7, "she/it"); break;
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
    std::string phrase = buildVerbPhrase(deponent ? "have" : "be", subjectCount(s, verb),
                                         s.chosenIndex(verb), analyses);
    if (deponent) {
        for (const Rewrite& r : kHaveForms) rewrite(phrase, r);
    } else if (tenseOf(s.reading(verb)) == tense_type::Imperfect) {
        rewriteFirst(phrase, kImperfectOfBe);
    } else if (tenseOf(s.reading(verb)) == tense_type::Future) {
        rewriteFirst(phrase, kFutureOfBe);
    } else {
        rewriteFirst(phrase, kPresentOfBe);
    }
    settlePronoun(phrase, s.reading(verb + 1));
    if (s.text(verb).starts_with('~')) phrase.insert(0, "~");
    s.setText(verb, phrase);
}

}  // namespace kavro
