// Syncopated perfects: the contracted forms of the perfect system (amasse, amasso, audii,
// audierat, dixti, rogasti, mandarunt, amaram, nosse, exisset) rewritten into their full forms
// (amauisse, amauero, audiui, audiuerat, dixisti, rogauisti, mandauerunt, amaueram, nouisse,
// exiuisset) so that the plain matching can analyse them.
#include <cstring>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/stem_search.h"
#include "morph/word_edit.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

// "ss" form: the contraction and what it stands for before an infinitive "-e" (…isse) and
// before a future perfect or perfect subjunctive "-i"/"-o" (…ero, …erim). The rows are tried in
// this order; the first contraction found (not at the start of the word) decides.
struct DoubleSRule {
    std::string_view contraction;
    std::string_view beforeE;
    std::string_view beforeIOrO;
};
constexpr DoubleSRule kDoubleSRules[] = {
    {"ass", "auiss", "auer"},     // amasse -> amauisse, amasso -> amauero
    // The perfect stem keeps its "e" (compleu-, decreu-, consueu-): complesse -> compleuisse.
    {"ess", "euiss", "euer"},
    // The perfect stem keeps both s (iuss-): iusse -> iussisse, iusso -> iussero.
    {"uss", "ussiss", "usser"},
};
constexpr std::size_t kContractionLength = 3;

// "isti" form.
constexpr std::string_view kDoubleIEnding = "ii";        // audii -> audiui
constexpr std::string_view kShortSecondPerson = "ti";    // dixti -> dixisti
constexpr std::string_view kShortSecondPlural = "tis";   // dixtis -> dixistis
constexpr std::string_view kFullSecondPerson = "isti";
constexpr std::string_view kFullSecondPlural = "istis";
constexpr std::uint8_t kPerfectStemKey = 3;

// "isti" form, contractions that drop the "u" ending the perfect stem with the vowel after it:
// a word ending in one of `vowels` (not its first letter) followed by one of `endings` gets
// `restored` after that vowel. The rewrite stands only when the word up to the vowel and the
// restored "u" is a verb's perfect stem. Rows are tried in this order.
struct ContractionRule {
    std::string_view vowels;
    std::string_view restored;   // begins with the "u" of the perfect stem
    std::string_view endings;    // separated by spaces
};
constexpr std::size_t kRestoredStemLetters = 1;
constexpr std::string_view kPerfectSecondPerson = "sti stis";
constexpr std::string_view kPerfectInfinitiveAndSubjunctive = "sse ssem sses sset ssemus ssetis ssent";
constexpr ContractionRule kContractionRules[] = {
    // Perfect second person: rogasti -> rogauisti, delesti -> deleuisti, nosti -> nouisti,
    // audisti -> audiuisti, adisti -> adiuisti (the compounds of eo have "iu" perfect stems).
    {"aeio", "ui", kPerfectSecondPerson},
    // Perfect infinitive and pluperfect subjunctive: nosse -> nouisse, audissem -> audiuissem,
    // exisset -> exiuisset, transissent -> transiuissent (amasse and complesse are the "ss"
    // form's, tried earlier).
    {"aeio", "ui", kPerfectInfinitiveAndSubjunctive},
    // Perfect third plural, pluperfect, future perfect and perfect subjunctive with "-er-":
    // mandarunt -> mandauerunt, delerunt -> deleuerunt, amaram -> amaueram,
    // norat -> nouerat, iudicarit -> iudicauerit, superarint -> superauerint.
    {"aeo", "ue", "runt ram ras rat ramus ratis rant ro ris rit rimus ritis rint rim"},
};

bool doubleSForm(WordBuffer& word) {
    const std::string_view w = word;
    for (const DoubleSRule& rule : kDoubleSRules) {
        const std::size_t at = w.find(rule.contraction, 1);
        if (at == std::string_view::npos) continue;
        const char next = w.size() > at + kContractionLength ? w[at + kContractionLength] : '\0';
        if (next == 'e') return replaceLetters(word, at, kContractionLength, rule.beforeE);
        if (next == 'i' || next == 'o') return replaceLetters(word, at, kContractionLength, rule.beforeIOrO);
        return false;
    }
    return false;
}

// True when `stem` is the perfect stem (key 3) of a verb of the dictionary.
bool isPerfectStem(Engine& engine, std::string_view stem) {
    const int count = findStems(engine, stem);
    for (int i = 0; i < count; ++i) {
        const StemRecord& s = engine.tempstems[i];
        if ((s.partOfSpeech & 0x1F) == speech_type::Verb && s.stemKey == kPerfectStemKey) return true;
    }
    return false;
}

// The ending of `rule` that `word` ends in, after one of the rule's vowels standing past the
// first letter; empty when there is none.
std::string_view contractedEnding(std::string_view word, const ContractionRule& rule) {
    std::string_view endings = rule.endings;
    while (!endings.empty()) {
        const std::size_t space = endings.find(' ');
        const std::string_view ending = endings.substr(0, space);
        endings = space == std::string_view::npos ? std::string_view{} : endings.substr(space + 1);
        if (word.size() < ending.size() + 2 || !word.ends_with(ending)) continue;
        if (rule.vowels.find(word[word.size() - ending.size() - 1]) != std::string_view::npos)
            return ending;
    }
    return {};
}

// Rewrites `word` by the first contraction rule whose restored stem is a perfect stem.
bool restoreContraction(Engine& engine, WordBuffer& word, const WordBuffer& original) {
    for (const ContractionRule& rule : kContractionRules) {
        const std::string_view ending = contractedEnding(word, rule);
        if (ending.empty()) continue;
        const std::size_t at = std::strlen(word) - ending.size();
        if (replaceLetters(word, at, 0, rule.restored) &&
            isPerfectStem(engine, {word, at + kRestoredStemLetters}))
            return true;
        std::memcpy(word, original, sizeof word);
    }
    return false;
}

bool istiForm(Engine& engine, WordBuffer& word) {
    WordBuffer original;
    std::memcpy(original, word, sizeof word);
    const std::size_t length = std::strlen(word);
    if (std::string_view(word).ends_with(kDoubleIEnding)) {
        // audii -> audiu + i, standing only when audiu is a perfect stem.
        word[length - 1] = 'u';
        if (replaceLetters(word, length, 0, "i") && isPerfectStem(engine, {word, length})) return true;
        std::memcpy(word, original, sizeof word);
        return false;
    }
    // The checked contractions come first: rogasti is rogauisti, not the unchecked rogasisti,
    // and quierunt is quieuerunt (quiesco) rather than quiuerunt (queo).
    if (restoreContraction(engine, word, original)) return true;
    if (length < 3) return false;
    for (std::size_t i = length - 3;; --i) {
        const std::string_view rest = std::string_view(word).substr(i + 1);
        const char c = word[i];
        if (c == 'i' && (rest[0] == 'i' || rest[0] == 'e')) {
            // audierat -> audiuerat when audiu is a perfect stem.
            if (replaceLetters(word, i + 1, 0, "u") && isPerfectStem(engine, {word, i + 2})) return true;
            std::memcpy(word, original, sizeof word);
        } else if ((c == 'x' || c == 's') && rest == kShortSecondPerson) {
            return replaceLetters(word, i + 1, rest.size(), kFullSecondPerson);
        } else if ((c == 'x' || c == 's') && rest == kShortSecondPlural) {
            return replaceLetters(word, i + 1, rest.size(), kFullSecondPlural);
        }
        if (i == 0) break;
    }
    return false;
}

}  // namespace

bool trySyncopatedPerfect(Engine& engine, WordBuffer& word, SyncopeForm form) {
    return form == SyncopeForm::DoubleS ? doubleSForm(word) : istiForm(engine, word);
}

}  // namespace kavro
