// matchPrefixes: a word that nothing else explained, read as a prefix and a known word
// (reficio: "re" + ficio). The readings of the rest are shown with the prefix in front of their
// form and the prefix's English in front of their meaning.
#include <cstdio>
#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "morph/split_matching.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

struct PrefixRule {
    std::string_view latin;
    std::string_view english;
};

// Tried in this order; the last rows only while the botany meanings are active.
constexpr PrefixRule kPrefixes[] = {
    {"re", "re-"},        {"per", "very-"},     {"inter", "inter-"},  {"in", "in-"},
    {"ex", "out-"},       {"e", "from-"},       {"im", "in-"},        {"prae", "pre-"},
    {"super", "over-"},   {"pre", "pre-"},      {"sub", "under-"},    {"sesqui", "1 1/2-"},
    {"ante", "before-"},  {"anti", "before-"},  {"pro", "before-"},   {"semi", "semi-"},
    {"ges", "kind-of-"},  {"trans", "trans-"},  {"pseudo", "pseudo"}, {"bi", "bi-"},
    {"di", "di-"},        {"tri", "tri-"},      {"quadru", "four-"},  {"quinqu", "five-"},
    {"sextu", "six-"},    {"septu", "seven-"},  {"octu", "eight-"},   {"nonu", "nine-"},
    {"archi", "highest-"}, {"com", "co-"},      {"contra", "contra-"},
    // Botany.
    {"multi", "many-"},   {"hetero", "hetero-"}, {"lepto", "thin-"},  {"pachy", "thick-"},
    {"mono", "mono-"},
};
constexpr std::size_t kGeneralPrefixes = 31;
static_assert(std::size(kPrefixes) == 36);

// The readings from `first` on carry the prefix: in front of the form and of the English.
void addPrefix(Engine& engine, int first, const PrefixRule& prefix) {
    for (int i = first; i < engine.analysisCount; ++i) {
        WordAnalysis& a = engine.wordAnalyses[i];
        char text[sizeof a.english + 16];
        std::snprintf(text, sizeof text, "%.*s%s", static_cast<int>(prefix.latin.size()),
                      prefix.latin.data(), a.analysedForm);
        copyField(a.analysedForm, text);
        std::snprintf(text, sizeof text, "%.*s%s", static_cast<int>(prefix.english.size()),
                      prefix.english.data(), a.english);
        copyField(a.english, text);
    }
}

void reportPrefix(Engine& engine, const PrefixRule& prefix) {
    char line[64];
    std::snprintf(line, sizeof line, "+PREFIX %.*s = %.*s.\n\n", static_cast<int>(prefix.latin.size()),
                  prefix.latin.data(), static_cast<int>(prefix.english.size()), prefix.english.data());
    if (!engine.options.sentenceMode) engine.log.write(line);
    if (!engine.singleWordLookup) return;
    const int i = engine.singleWordCount;
    engine.singleWordEnglish[i].assign(line, std::strlen(line) - 2);
    engine.singleWordLatin[i].assign(prefix.latin);
    if (i < static_cast<int>(kSingleWordCollection) - 1) ++engine.singleWordCount;
}

}  // namespace

int matchPrefixes(Engine& engine, WordBuffer& word) {
    WordBuffer lowered{};
    copyField(lowered, std::string_view(word, strnlen(word, sizeof word)));
    if (lowered[0] >= 'A' && lowered[0] <= 'Z') lowered[0] = static_cast<char>(lowered[0] + 32);
    const std::string_view w(lowered);
    const std::size_t rows = engine.options.botanyActive ? std::size(kPrefixes) : kGeneralPrefixes;
    for (std::size_t p = 0; p < rows; ++p) {
        const PrefixRule& prefix = kPrefixes[p];
        if (w.size() <= prefix.latin.size() || !w.starts_with(prefix.latin)) continue;
        WordBuffer rest{};
        copyField(rest, w.substr(prefix.latin.size()));
        const int first = engine.analysisCount;
        const int found = matchSplits(engine, splitWord(engine, rest), 0);
        if (found == 0) continue;
        reportPrefix(engine, prefix);
        if (first <= engine.analysisCount) addPrefix(engine, first, prefix);
        return found;
    }
    return 0;
}

}  // namespace kavro
