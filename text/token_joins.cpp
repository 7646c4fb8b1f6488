#include "text/token_joins.h"

#include <cstring>

#include "core/fixed_text.h"

namespace kavro {
namespace {

enum class Glue { RunTogether, Underscore };

// A fixed pair: the token before (exactly, or with letter case ignored), the word that
// follows it (exactly, or by its start) and how the two are joined.
struct JoinedPair {
    std::string_view before;
    bool beforeIgnoresCase;
    std::string_view word;
    bool wordIgnoresCase;
    bool wordIsStart;
    Glue glue;
};

// The joined expressions other than the ordinals of the teens.
constexpr JoinedPair kJoinedPairs[] = {
    {"ius", true, "iurand", false, true, Glue::RunTogether},
    {"iuris", true, "iurand", false, true, Glue::RunTogether},
    {"iuri", true, "iurand", false, true, Glue::RunTogether},
    {"iure", true, "iurand", false, true, Glue::RunTogether},
    {"iura", true, "iurand", false, true, Glue::RunTogether},
    {"iuribus", true, "iurand", false, true, Glue::RunTogether},
    {"pater", true, "familias", true, false, Glue::RunTogether},
    {"patrem", true, "familias", true, false, Glue::RunTogether},
    {"patris", true, "familias", true, false, Glue::RunTogether},
    {"patri", true, "familias", true, false, Glue::RunTogether},
    {"patres", true, "familias", true, false, Glue::RunTogether},
    {"mater", true, "familias", true, false, Glue::RunTogether},
    {"matrem", true, "familias", true, false, Glue::RunTogether},
    {"matris", true, "familias", true, false, Glue::RunTogether},
    {"matri", true, "familias", true, false, Glue::RunTogether},
    {"matres", true, "familias", true, false, Glue::RunTogether},
    {"magis", true, "quam", false, true, Glue::Underscore},
    {"potius", true, "quam", false, true, Glue::Underscore},
    {"plus", true, "quam", false, true, Glue::Underscore},
    {"senatus", true, "consult", false, true, Glue::RunTogether},
    {"una", false, "cum", false, false, Glue::Underscore},
    {"opus", false, "est", false, false, Glue::Underscore},
    {"id", true, "est", false, false, Glue::Underscore},
    {"necesse", false, "est", false, false, Glue::Underscore},
    {"sat", false, "est", false, false, Glue::Underscore},
    {"gratum", false, "est", false, false, Glue::Underscore},
    {"aequum", false, "est", false, false, Glue::Underscore},
    {"solitum", false, "est", false, false, Glue::Underscore},
    {"paulo", false, "ante", false, false, Glue::Underscore},
};

// Cleo est is read as the one name Cleostra.
constexpr std::string_view kCleoBefore = "Cleo";
constexpr std::string_view kCleoWord = "est";
constexpr std::string_view kCleoJoined = "Cleostra";

// Stems of the ordinals that take -decimus (tertius decimus, quartae decimae, ...).
constexpr std::string_view kOrdinalStems[] = {"terti", "quart", "quint", "septim",
                                              "octau", "sext",  "non"};
constexpr std::string_view kDecim = "decim";

constexpr std::string_view kInWord = "in";
constexpr std::string_view kDemonstratives[] = {"hoc", "hac"};
constexpr std::string_view kParticles[] = {"autem", "enim"};
constexpr int kParticleSkip = 4;

char lowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; }

bool equalsIgnoringCase(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (lowerAscii(text[k]) != lowerAscii(pattern[k])) return false;
    }
    return true;
}

bool matches(std::string_view text, std::string_view pattern, bool ignoreCase, bool isStart) {
    if (isStart) {
        if (text.size() < pattern.size()) return false;
        text = text.substr(0, pattern.size());
    }
    return ignoreCase ? equalsIgnoringCase(text, pattern) : text == pattern;
}

// Letter case of the first letter ignored: the ordinals may open a sentence or a name.
bool startsWithFirstLetterFree(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && lowerAscii(text[0]) == start[0] &&
           text.substr(1, start.size() - 1) == start.substr(1);
}

void writeJoined(char (&joined)[kTokenTextSize], std::string_view first, std::string_view glue,
                 std::string_view second, bool lowerFirst, bool lowerSecond) {
    char buffer[2 * kTokenTextSize + 1];
    std::size_t length = 0;
    for (std::string_view part : {first, glue, second}) {
        if (!part.empty()) std::memcpy(buffer + length, part.data(), part.size());
        length += part.size();
    }
    if (lowerFirst && !first.empty()) buffer[0] = lowerAscii(buffer[0]);
    if (lowerSecond && !second.empty()) {
        buffer[first.size() + glue.size()] = lowerAscii(buffer[first.size() + glue.size()]);
    }
    copyField(joined, std::string_view(buffer, length));
}

// Whether the word of some joined pair begins with `letter` (the pairs' words are written in
// lower case): a word beginning otherwise joins no pair, and the table need not be read.
constexpr bool anyPairWordBeginsWith(char letter) {
    for (const JoinedPair& pair : kJoinedPairs)
        if (pair.word[0] == letter) return true;
    return false;
}

constexpr bool pairWordsBeginInLowerCase() {
    for (const JoinedPair& pair : kJoinedPairs)
        if (pair.word.empty() || pair.word[0] < 'a' || pair.word[0] > 'z') return false;
    return true;
}
static_assert(pairWordsBeginInLowerCase());

// tertius decimus -> tertiusdecimus: the ordinal's ending must equal decim's ending.
bool joinOrdinalTeen(std::string_view before, std::string_view word,
                     char (&joined)[kTokenTextSize]) {
    if (!startsWithFirstLetterFree(word, kDecim)) return false;
    const std::string_view decimEnding = word.substr(kDecim.size());
    for (std::string_view stem : kOrdinalStems) {
        if (!startsWithFirstLetterFree(before, stem)) continue;
        if (before.substr(stem.size()) != decimEnding) continue;
        writeJoined(joined, before, "", word, true, true);
        return true;
    }
    return false;
}

template <std::size_t N>
bool isOneOf(std::string_view text, const std::string_view (&set)[N]) {
    for (std::string_view item : set) {
        if (text == item) return true;
    }
    return false;
}

}  // namespace

bool joinTokenPair(std::string_view before, std::string_view word,
                   char (&joined)[kTokenTextSize]) {
    if (before.empty() || word.empty()) return false;
    if (joinOrdinalTeen(before, word, joined)) return true;
    if (before == kCleoBefore && word == kCleoWord) {
        copyField(joined, kCleoJoined);
        return true;
    }
    if (!anyPairWordBeginsWith(lowerAscii(word[0]))) return false;
    for (const JoinedPair& pair : kJoinedPairs) {
        if (!matches(word, pair.word, pair.wordIgnoresCase, pair.wordIsStart)) continue;
        if (!matches(before, pair.before, pair.beforeIgnoresCase, false)) continue;
        const std::string_view glue = pair.glue == Glue::Underscore ? "_" : "";
        writeJoined(joined, before, glue, word, pair.beforeIgnoresCase, false);
        return true;
    }
    return false;
}

std::vector<std::string_view> joinedPairFirstTokens() {
    std::vector<std::string_view> out;
    for (const JoinedPair& pair : kJoinedPairs) out.push_back(pair.before);
    return out;
}

void reorderParticleAfterIn(char (*tokens)[kTokenTextSize], int count) {
    for (int i = 0; i < count - 3;) {
        const std::string_view first = fieldText(tokens[i]);
        const std::string_view second = fieldText(tokens[i + 1]);
        const std::string_view third = fieldText(tokens[i + 2]);
        if (first != kInWord || !isOneOf(second, kDemonstratives) ||
            !isOneOf(third, kParticles)) {
            ++i;
            continue;
        }
        char particle[kTokenTextSize];
        std::memcpy(particle, tokens[i + 2], kTokenTextSize);
        std::memcpy(tokens[i + 2], tokens[i + 1], kTokenTextSize);
        std::memcpy(tokens[i + 1], tokens[i], kTokenTextSize);
        std::memcpy(tokens[i], particle, kTokenTextSize);
        i += kParticleSkip;
    }
}

}  // namespace kavro
