// The narrative tenses: simple past for the Latin perfect, plain past for the imperfect.
#include "english/narrative_tenses.h"

#include <algorithm>
#include <array>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "english/polish_tables.h"

namespace kavro {

namespace {

bool isIndicative(const WordAnalysis& r) { return r.grammar3 == mood_type::Indicative || r.grammar3 == 0; }

// The 1st and 3rd person singular take "was", the others "were".
bool takesWas(const WordAnalysis& r) {
    return r.grammar5 == number_type::Singular && (r.grammar4 == 1 || r.grammar4 == 3);
}

// Position of an auxiliary word that opens the verb part of a phrase: at the start or after
// the subject pronoun ("s/he/it has ^go+ed").
std::size_t findAuxiliary(std::string_view phrase, std::string_view auxiliary) {
    for (std::size_t at = phrase.find(auxiliary); at != std::string_view::npos;
         at = phrase.find(auxiliary, at + 1)) {
        if (at == 0 || phrase[at - 1] == ' ') return at;
    }
    return std::string_view::npos;
}

// The auxiliary (with the caret after it) and the verb word with its marker behind it become
// the simple past of the verb word: "has ^go+ed" -> "^went". False when the phrase has no such
// auxiliary.
bool replaceAuxiliaryWithPast(std::string& phrase, std::string_view auxiliary,
                              std::string_view marker, std::span<const PolishRecord> wordTable) {
    const std::size_t at = findAuxiliary(phrase, auxiliary);
    if (at == std::string::npos) return false;
    const std::size_t word = at + auxiliary.size();
    const std::size_t end = phrase.find(marker, word);
    if (end == std::string::npos || end > phrase.find(' ', word)) return false;
    const std::string past = simplePast(std::string_view(phrase).substr(word, end - word), wordTable);
    phrase.replace(at, end + marker.size() - at, "^" + past);
    return true;
}

// "has ^go+ed" -> "^went", "have ^carry+ed" -> "^carry+ed", "has ^been" -> "^was".
void perfectToSimplePast(std::string& phrase, const WordAnalysis& verb,
                         std::span<const PolishRecord> wordTable) {
    for (std::string_view auxiliary : {std::string_view("has ^"), std::string_view("have ^")}) {
        const std::size_t at = findAuxiliary(phrase, auxiliary);
        if (at == std::string::npos) continue;
        const std::size_t word = at + auxiliary.size();
        if (phrase.compare(word, 4, "been") == 0 &&
            (word + 4 == phrase.size() || phrase[word + 4] == ' ')) {
            phrase.replace(at, auxiliary.size() + 4, takesWas(verb) ? "^was" : "^were");
            return;
        }
        replaceAuxiliaryWithPast(phrase, auxiliary, "+ed", wordTable);
        return;
    }
}

// "was being ^carry+ed" -> "was ^carry+ed"; "was ^being" (imperfect of "be") -> "^was"; the
// active "was ^go+ing" -> "^went", as English narrative tells a Latin imperfect.
void imperfectToPlainPast(std::string& phrase, std::span<const PolishRecord> wordTable) {
    constexpr std::array<std::array<std::string_view, 2>, 4> kRewrites = {{
        {"was being ^", "was ^"}, {"were being ^", "were ^"},
        {"was ^being", "^was"}, {"were ^being", "^were"}}};
    for (const auto& [from, to] : kRewrites) {
        const std::size_t at = findAuxiliary(phrase, from);
        if (at == std::string::npos) continue;
        const std::size_t end = at + from.size();
        if (from.ends_with("being") && end < phrase.size() && phrase[end] != ' ') continue;
        phrase.replace(at, from.size(), to);
        return;
    }
    for (std::string_view auxiliary : {std::string_view("was ^"), std::string_view("were ^")}) {
        if (replaceAuxiliaryWithPast(phrase, auxiliary, "+ing", wordTable)) return;
    }
}

// The defective verbs of saying, aio ("ait", "aiunt") and inquam ("inquit"), report speech in a
// narrative: English tells them in the past ("he said"), whatever their Latin tense.
bool isVerbOfReportedSpeech(const WordAnalysis& r) {
    const std::string_view form = fieldText(r.analysedForm);
    const std::string_view stem = form.substr(0, form.find('.'));
    return stem == "a" || stem == "ai" || stem == "inqu";
}

// "he ^say+s" -> "he ^said", "they ^say" -> "they ^said".
void presentToSimplePast(std::string& phrase, std::span<const PolishRecord> wordTable) {
    const std::size_t caret = phrase.find('^');
    if (caret == std::string::npos) return;
    const std::size_t word = caret + 1;
    std::size_t end = std::min(phrase.find(' ', word), phrase.size());
    const std::size_t marker = phrase.find('+', word);
    const std::size_t wordEnd = std::min(marker, end);
    const std::string past = simplePast(std::string_view(phrase).substr(word, wordEnd - word), wordTable);
    phrase.replace(word, end - word, past);
}

// The subjunctive of past time in narrative: the pluperfect mostly stands in "cum" and
// "postquam" clauses and indirect questions, the English pluperfect ("cum vidisset" -> "when
// he had seen", not "might have seen"); the imperfect reads "would" ("ut ... faceret" -> "so
// that he would make", "si esset" -> "if he would be").
void pastSubjunctive(std::string& phrase, const WordAnalysis& verb) {
    const std::size_t at = findAuxiliary(phrase, "might ");
    if (at == std::string::npos) return;
    if (verb.grammar1 == tense_type::Pluperfect) {
        if (phrase.compare(at, 11, "might have ") == 0) phrase.replace(at, 11, "had ");
    } else if (verb.grammar1 == tense_type::Imperfect) {
        phrase.replace(at, 6, "would ");
    }
}

}  // namespace

std::string simplePast(std::string_view verb, std::span<const PolishRecord> wordTable) {
    std::string key(verb);
    key += kSimplePastKeySuffix;
    if (const PolishRecord* past = findPolishWord(wordTable, key)) return std::string(fieldText(past->replacement));
    return std::string(verb) + "+ed";
}

std::string_view passiveRest(std::string_view rest, std::span<const PolishRecord> wordTable) {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) return rest;
    std::string key(rest.substr(start, rest.find_first_of(" ,;/", start) - start));
    key += kObjectNounKeySuffix;
    return findPolishWord(wordTable, key) ? std::string_view() : rest;
}

void useNarrativeTense(std::string& phrase, const WordAnalysis& verb,
                       std::span<const PolishRecord> wordTable) {
    if (verb.grammar3 == mood_type::Subjunctive) pastSubjunctive(phrase, verb);
    if (!isIndicative(verb)) return;
    if (verb.grammar1 == tense_type::Present && isVerbOfReportedSpeech(verb)) {
        presentToSimplePast(phrase, wordTable);
        return;
    }

    // The perfect of the first and second persons speaks of what has come about ("dedi vobis":
    // I have given you, "quid fecisti?": what have you done?); the narrative's third person
    // tells the past ("dedit": he gave).
    const bool speech = verb.grammar4 == 1 || verb.grammar4 == 2;
    if (verb.grammar1 == tense_type::Perfect && !speech) perfectToSimplePast(phrase, verb, wordTable);
    else if (verb.grammar1 == tense_type::Imperfect) imperfectToPlainPast(phrase, wordTable);
}

}  // namespace kavro
