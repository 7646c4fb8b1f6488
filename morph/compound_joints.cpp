// prepareCompound: the joint of a compound ordinal (tertiadecima), a doubled pronoun (quisquis)
// or a usufruct word is marked in place with "Z", so that a dictionary stem written with the
// joint ("tertiZdecim") takes the word, both declined halves showing its ending.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

constexpr char kJoint = 'Z';
// A word with no more than this many letters after its first part is left alone.
constexpr std::size_t kShortestSecondPart = 5;
// Letters after the joint that a dictionary stem must share for the joint to be marked.
constexpr std::size_t kJointCheckLetters = 2;
constexpr std::string_view kUsufructTail = "fruct";

enum class JointKind {
    Ordinal,   // the first part's ending must be followed by a "decim" part
    Free,      // the first part may be followed by any second part
    Doubled,   // one word written twice (quisquis), or us-u-fruct-u
};

struct CompoundPrefix {
    std::string_view text;
    JointKind kind;
};

// Tested in this order, letter case ignored.
constexpr CompoundPrefix kCompoundPrefixes[] = {
    {"terti", JointKind::Ordinal},        {"quart", JointKind::Ordinal},
    {"quint", JointKind::Ordinal},        {"sext", JointKind::Ordinal},
    {"septim", JointKind::Ordinal},       {"octau", JointKind::Ordinal},
    {"non", JointKind::Ordinal},          {"qual", JointKind::Doubled},
    {"qu", JointKind::Doubled},           {"us", JointKind::Doubled},
    {"sesquiseptim", JointKind::Ordinal}, {"sesquisext", JointKind::Ordinal},
    {"sesquioctau", JointKind::Ordinal},  {"decim", JointKind::Free},
    {"uicesim", JointKind::Free},         {"uer", JointKind::Free},
};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool beginsWithIgnoringCase(std::string_view word, std::string_view prefix) {
    if (word.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(word[i]) != prefix[i]) return false;
    return true;
}

const CompoundPrefix* compoundPrefixOf(std::string_view word) {
    for (const CompoundPrefix& p : kCompoundPrefixes)
        if (beginsWithIgnoringCase(word, p.text)) return &p;
    return nullptr;
}

// A joint, once found: the `length` letters at `at` collapse into the one letter "Z".
struct Joint {
    std::size_t at = 0;
    std::size_t length = 0;
    bool found() const { return length > 0; }
};

// Ordinals and free prefixes: the first part's ending repeats the word's ending.
Joint ordinalJoint(std::string_view w, std::size_t p, bool free) {
    const std::size_t n = w.size();
    if (p + 1 < n && w[p + 1] == 'd' && n - (p + 2) == 5 && w[p] == w[n - 1]) return {p, 1};
    if (p + 2 < n && w[p + 2] == 'd' && n - (p + 3) == 6 && w.substr(p, 2) == w.substr(n - 2))
        return {p, 2};
    if (!free) return {};
    if (w.substr(p, 2) == w.substr(n - 2)) return {p, 2};
    if (w[p] == w[n - 1]) return {p, 1};
    return {};
}

// quisquis: the first half's ending before the second half; usumfructum: "um" before "fruct".
Joint doubledJoint(std::string_view w, std::size_t p) {
    if (lower(w[0]) == 'q') {
        const std::size_t half = w.size() / 2;
        if (w.size() % 2 != 0 || half <= p) return {};
        if (lower(w[0]) != w[half] || w.substr(1, half - 1) != w.substr(half + 1)) return {};
        return {p, half - p};
    }
    for (std::string_view ending : {std::string_view("um"), std::string_view("u")}) {
        const std::string_view rest = w.substr(p);
        if (rest.starts_with(ending) && rest.substr(ending.size()).starts_with(kUsufructTail) &&
            rest.substr(ending.size() + kUsufructTail.size()) == ending)
            return {p, ending.size()};
    }
    return {};
}

// The dictionary writes such compounds with the joint; a word is marked only when a stem
// begins with its marked first part and the letters after the joint, so that a word the
// dictionary knows unjoined (or as a unique, like quisquis) keeps its letters.
bool dictionaryHasJoint(const Engine& engine, std::string_view marked, std::size_t jointAt) {
    const std::size_t keyLength = std::min(marked.size(), jointAt + 1 + kJointCheckLetters);
    char key[kTokenTextSize];
    const std::size_t n = copyBounded(key, sizeof key, marked.substr(0, keyLength));
    key[0] = lower(key[0]);
    const std::string_view wanted(key, n);
    const auto& stems = engine.lexicon.stems;
    const auto it = std::lower_bound(stems.begin(), stems.end(), wanted,
                                     [](const StemRecord& s, std::string_view k) {
                                         return fieldText(s.stem) < k;
                                     });
    return it != stems.end() && fieldText(it->stem).starts_with(wanted);
}

}  // namespace

void prepareCompound(Engine& engine, WordBuffer& word) {
    word[kTokenTextSize - 1] = '\0';
    const std::string_view w(word);
    const CompoundPrefix* prefix = compoundPrefixOf(w);
    if (!prefix) return;
    const std::size_t p = prefix->text.size();
    if (w.size() <= p + kShortestSecondPart - 1) return;
    const Joint joint = prefix->kind == JointKind::Doubled
                            ? doubledJoint(w, p)
                            : ordinalJoint(w, p, prefix->kind == JointKind::Free);
    if (!joint.found()) return;

    WordBuffer marked{};
    std::memcpy(marked, word, joint.at);
    marked[joint.at] = kJoint;
    copyBounded(marked + joint.at + 1, sizeof marked - joint.at - 1, w.substr(joint.at + joint.length));
    if (!dictionaryHasJoint(engine, marked, joint.at)) return;
    std::memcpy(word, marked, sizeof marked);
}

}  // namespace kavro
