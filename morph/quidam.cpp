// matchQuidam: the indefinite and relative compounds of the quidam, qualis, quantus, uter and
// plerusque families (quidam, quisque, uterque, plerique, quantuscumque, ...). The declined first
// part is found in the pronoun-compound table. A compound of qui/quis (quidam, quisque,
// quicumque, quilibet, ...) reads as a pronoun of the kind the package gives it; one of the
// adjective families (qualis, quantus, uter, plerus) as a substantive adjective. The suffix and
// the family give the English.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/pronoun_compound_table.h"
#include "morph/tackons.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

enum class Follows { Nothing, Que, Ne };

// The head of the citation form of a compound of the qui/quis family: quidam and quicumque
// are cited from qui, quisque and quisquam from quis.
enum class Head { Qui, Quis };

struct PronounSuffix {
    std::string_view text;
    int code;                  // e: with the family's value, the English of the compound
    Follows follows;           // a conjunction cut along with the suffix
    std::size_t longerThan;    // only for words of more letters than this
    std::string_view cited;    // the suffix as the citation form writes it
    Head head;                 // the qui/quis family's head before it
    std::uint8_t kind;         // the pronoun kind the package gives the qui/quis compound
};

// Tested in this order at the end of the word; the first that matches is cut off.
constexpr PronounSuffix kPronounSuffixes[] = {
    {"dam", 1, Follows::Nothing, 0, "dam", Head::Qui, pronoun_kind_type::Indefinite},
    {"damque", 1, Follows::Que, 0, "dam", Head::Qui, pronoun_kind_type::Indefinite},
    {"quamque", 3, Follows::Que, 7, "quam", Head::Quis, pronoun_kind_type::Indefinite},
    {"nam", 5, Follows::Nothing, 0, "nam", Head::Quis, pronoun_kind_type::Interrogative},
    {"uiscumque", 9, Follows::Nothing, 0, "uiscumque", Head::Qui, pronoun_kind_type::Indefinite},
    {"cumque", 6, Follows::Nothing, 0, "cumque", Head::Qui, pronoun_kind_type::Relative},
    {"cunque", 6, Follows::Nothing, 0, "cumque", Head::Qui, pronoun_kind_type::Relative},
    {"que", 2, Follows::Nothing, 0, "que", Head::Quis, pronoun_kind_type::Indefinite},
    {"quam", 3, Follows::Nothing, 0, "quam", Head::Quis, pronoun_kind_type::Indefinite},
    {"piam", 4, Follows::Nothing, 0, "piam", Head::Quis, pronoun_kind_type::Indefinite},
    {"libet", 7, Follows::Nothing, 0, "libet", Head::Qui, pronoun_kind_type::Indefinite},
    {"uis", 8, Follows::Nothing, 0, "uis", Head::Qui, pronoun_kind_type::Indefinite},
    {"damne", 1, Follows::Ne, 0, "dam", Head::Qui, pronoun_kind_type::Indefinite},
    {"quamne", 3, Follows::Ne, 0, "quam", Head::Quis, pronoun_kind_type::Indefinite},
};

struct PronounFamily {
    std::string_view start;
    int value;
    std::string_view head;     // the nominative the citation form begins with
};

// Tested in this order; a word of none of them counts 0 and is of the qui/quis family.
constexpr PronounFamily kPronounFamilies[] = {
    {"qual", 16, "qualis"}, {"quant", 32, "quantus"}, {"ut", 48, "uter"}, {"pler", 64, "plerus"},
};

struct CompoundEnglish {
    int code;
    std::string_view english;
};

// Suffix code plus family value; any other sum gives no reading.
constexpr CompoundEnglish kCompoundEnglish[] = {
    {1, "certain"},          {2, "each"},
    {3, "any"},              {4, "some"},
    {5, "which"},            {6, "whichever"},
    {7, "any-you-please"},   {8, "any-you-please"},   {9, "any-whatsoever"},
    {22, "of-whatever-kind"}, {38, "however great"},
    {39, "as-great-as-you-like"}, {40, "however-great"},
    {50, "each"},            {54, "whichever"},
    {55, "whichever-you-please"}, {56, "whichever-you-please"},
    {66, "most"},
};

constexpr int kMostQuidamEntries = 130;
constexpr std::string_view kTooManyQuidam = "Too many quidam entries.\n";

std::string_view englishFor(int code) {
    for (const CompoundEnglish& row : kCompoundEnglish)
        if (row.code == code) return row.english;
    return {};
}

const PronounSuffix* suffixOf(std::string_view word) {
    for (const PronounSuffix& s : kPronounSuffixes)
        if (word.size() > s.longerThan && word.ends_with(s.text)) return &s;
    return nullptr;
}

const PronounFamily* familyOf(std::string_view word) {
    for (const PronounFamily& f : kPronounFamilies)
        if (word.starts_with(f.start)) return &f;
    return nullptr;
}

// The compound as a dictionary cites it, whatever form was read: quendam and quaedam are forms
// of quidam, quemque of quisque, utriusque of uterque.
std::string citationOf(const PronounFamily* family, const PronounSuffix& suffix) {
    std::string cited(family ? family->head : suffix.head == Head::Quis ? "quis" : "qui");
    cited += suffix.cited;
    return cited;
}

void traceReading(Engine& engine, const WordAnalysis& a, std::string_view latin,
                  std::string_view cited) {
    if (engine.options.sentenceMode) return;
    const int n = static_cast<int>(latin.size()), c = static_cast<int>(cited.size());
    engine.log.printf("%.*s - %.*s\n%s\n", n, latin.data(), c, cited.data(), a.english);
    std::string line;
    formatAnalysis(line, a, engine.options.easyLatin);
    engine.log.printf("%s\n\n", line.c_str());
}

void collect(Engine& engine, std::string_view english, std::string_view latin) {
    if (!engine.singleWordLookup) return;
    const int i = engine.singleWordCount;
    engine.singleWordEnglish[i].assign(english);
    engine.singleWordLatin[i].assign(latin);
    if (i < static_cast<int>(kSingleWordCollection) - 1) ++engine.singleWordCount;
}

// The conjunction cut from quidamque or quidamne becomes the current word, before the pronoun
// (which moves to the next token). False when the sentence has no room for another token.
bool placeConjunctionFirst(Engine& engine, Follows follows) {
    const bool que = follows == Follows::Que;
    const std::string_view text = que ? "que" : "ne";
    if (!insertToken(engine, engine.tokenIndex, text)) {
        announceFullSentence(engine, FullSentence::CantAddTackon);
        return false;
    }
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = speech_type::Conjunction;
    a.wordPosition = static_cast<std::int16_t>(engine.tokenIndex);
    a.groupNumber = static_cast<std::int16_t>(engine.groupNumber);
    a.rarity = 1;
    storeAnalysedForm(a, que ? "que." : "ne.");
    copyField(a.english, que ? "and" : "is it not that");
    traceReading(engine, a, text, text);
    const int index = engine.analysisCount;
    appendAnalysis(engine, a);
    noteAnalysisSource(engine, index, text, source_kind::Addon);
    ++engine.tokenIndex;
    ++engine.groupNumber;
    return true;
}

}  // namespace

int matchQuidam(Engine& engine, WordBuffer& wordBuffer, int length) {
    const std::string_view word(wordBuffer, std::min<std::size_t>(std::strlen(wordBuffer),
                                                                   static_cast<std::size_t>(length)));
    const PronounSuffix* suffix = suffixOf(word);
    if (!suffix) return 0;
    const PronounFamily* family = familyOf(word);
    const std::string_view english = englishFor(suffix->code + (family ? family->value : 0));
    if (english.empty()) return 0;
    const std::string_view base = word.substr(0, word.size() - suffix->text.size());
    const auto first = std::lower_bound(
        std::begin(kPronounCompoundForms), std::end(kPronounCompoundForms), base,
        [](const PronounCompoundForm& f, std::string_view b) { return f.form < b; });
    if (first == std::end(kPronounCompoundForms) || first->form != base) return 0;

    // The form the readings show: the word without the conjunction cut with the suffix.
    std::string_view form = word;
    if (suffix->follows != Follows::Nothing) {
        const std::size_t conjunction = suffix->follows == Follows::Que ? 3 : 2;
        form = word.substr(0, word.size() - conjunction);
        placeConjunctionFirst(engine, suffix->follows);
    }

    const std::string cited = citationOf(family, *suffix);
    int count = 0;
    for (auto it = first; it != std::end(kPronounCompoundForms) && it->form == base; ++it) {
        if (count == kMostQuidamEntries) {
            engine.rationedWarning(kTooManyQuidam);
            break;
        }
        WordAnalysis a = blankAnalysis();
        a.grammar1 = it->grammarCase;
        a.grammar2 = it->number;
        a.grammar3 = it->gender;
        if (family) {
            a.partOfSpeech = speech_type::SubstantiveAdjective;
            a.grammar4 = 1;
        } else {
            a.partOfSpeech = speech_type::Pronoun;
            a.kind2 = suffix->kind;
        }
        a.rarity = 1;
        a.wordPosition = static_cast<std::int16_t>(engine.tokenIndex);
        a.groupNumber = static_cast<std::int16_t>(engine.groupNumber);
        storeAnalysedForm(a, form);
        copyField(a.english, english);
        traceReading(engine, a, form, cited);
        const int index = engine.analysisCount;
        appendAnalysis(engine, a);
        noteAnalysisSource(engine, index, cited, source_kind::Addon);
        collect(engine, english, cited);
        ++count;
    }
    ++engine.groupNumber;
    return count;
}

}  // namespace kavro
