#include "morph/meanings.h"

#include <array>

#include "core/analysis_record.h"
#include "core/fixed_text.h"

namespace kavro {
namespace {

constexpr std::size_t kAnalysisEnglishLength = sizeof(WordAnalysis::english) - 1;

MeaningRecord makePlaceholder(std::string_view english) {
    MeaningRecord record{};
    copyField(record.english, english);
    return record;
}

const MeaningRecord kBotanyWordRecord = makePlaceholder(kBotanyWordMeaning);
const MeaningRecord kBotanySuffixRecord = makePlaceholder(kBotanySuffixMeaning);
const MeaningRecord kEmptyRecord{};

const MeaningRecord& recordAt(const std::vector<MeaningRecord>& table, std::uint64_t index) {
    return index < table.size() ? table[index] : kEmptyRecord;
}

// One tag that a meaning may carry for an area, with the area index recorded when it is taken.
struct AreaTag {
    std::string_view tag;
    int areaIndex;
    bool onlyAtStart = false;
};

struct AreaTags {
    char letter;
    std::array<AreaTag, 3> tags;   // tried in order; an empty tag ends the list
};

// The tags searched for each area letter, in order; the first tag found wins.
constexpr std::array<AreaTags, 11> kAreaTagTable{{
    {'B', {{{"B:", 2}, {"C:", 2}, {"A:", 2}}}},
    {'D', {{{"D:", 3}}}},
    {'Y', {{{"Y:", 3}, {"D:", 3}}}},
    {'E', {{{"E:", 4}}}},
    {'G', {{{"G:", 5}, {"P:", 5}}}},
    {'L', {{{"L:", 6}}}},
    {'S', {{{"S:", 8}, {"T:", 8}}}},
    {'W', {{{"W:", 10}}}},
    {'H', {{{"H:", 13}, {"Z:", 15}}}},
    {'M', {{{"M:", 15}}}},
    {'Z', {{{"Z:", 15}, {"M:", 15, true}}}},
}};

// The second attempt when the user's letter finds no tag: by the entry's own subject code.
int fallbackAreaLetter(std::uint8_t entrySubject) {
    if (entrySubject == 6) return 'M';
    if (entrySubject == 7 || entrySubject == 8) return 'H';
    return 0;
}

// Takes the text after the first tag of `letter` found in `meaning`; returns its area index.
int takeTaggedMeaning(std::string& meaning, int letter) {
    for (const AreaTags& entry : kAreaTagTable) {
        if (entry.letter != letter) continue;
        for (const AreaTag& t : entry.tags) {
            if (t.tag.empty()) break;
            const std::size_t at = meaning.find(t.tag);
            if (at == std::string::npos || (t.onlyAtStart && at != 0)) continue;
            std::size_t from = at + t.tag.size();
            while (from < meaning.size() && meaning[from] == ' ') ++from;
            meaning.erase(0, from);
            return t.areaIndex;
        }
        return 0;
    }
    return 0;
}

// Removes what is left of the area tags: from the first colon on, the letter of every "B:",
// "L:" or "W:" tag (English words with those capitals are left alone), and a leading "M:" or
// "Z:".
void cleanAreaTags(std::string& meaning) {
    const std::size_t colon = meaning.find(':');
    if (colon != std::string::npos) {
        std::string kept = meaning.substr(0, colon);
        for (std::size_t i = colon; i < meaning.size(); ++i) {
            const char c = meaning[i];
            const bool tagLetter = (c == 'B' || c == 'L' || c == 'W') && i + 1 < meaning.size() &&
                                   meaning[i + 1] == ':';
            if (!tagLetter) kept += c;
        }
        meaning = std::move(kept);
    }
    if (meaning.starts_with("M:") || meaning.starts_with("Z:")) meaning.erase(0, 2);
}

// Cuts at the first "/"; a modified stem keeps the "-suffix" part from behind the "/".
void cutUnusedPart(std::string& meaning, bool modifiedStem) {
    const std::size_t slash = meaning.find('/');
    if (slash == std::string::npos) return;
    std::string rest = meaning.substr(slash + 1);
    meaning.erase(slash);
    if (!modifiedStem) return;
    const std::size_t dash = rest.rfind('-');
    if (dash != std::string::npos) meaning += rest.substr(dash);
}

// Collapses runs of blanks to one and drops blanks at both ends, in place. The part before the
// first blank to drop is already in place and is only read.
void trimBlanks(std::string& text) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size && !(text[i] == ' ' && (i == 0 || text[i - 1] == ' '))) ++i;
    std::size_t out = i;
    for (; i < size; ++i) {
        const char c = text[i];
        if (c == ' ' && (out == 0 || text[out - 1] == ' ')) continue;
        text[out++] = c;
    }
    while (out > 0 && text[out - 1] == ' ') --out;
    text.resize(out);
}

// The first position from `from` on that holds `a` or `b`, or npos. A plain scan: a meaning is
// short, and find_first_of calls memchr once per character.
std::size_t findEither(std::string_view text, char a, char b, std::size_t from = 0) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == a || text[i] == b) return i;
    return std::string_view::npos;
}

// Calls `keep` with every character of `text` outside brackets, in order (an unclosed bracket
// runs to the end; a closing bracket without its opening one is an ordinary character).
template <typename Keep>
void forEachOutsideRemarks(std::string_view text, Keep keep) {
    int depth = 0;
    for (const char c : text) {
        if (c == '(' || c == '[') ++depth;
        else if ((c == ')' || c == ']') && depth > 0) --depth;
        else if (depth == 0) keep(c);
    }
}

// The characters that do not make a meaning: what is left when a meaning is all remarks.
bool isMeaningPunctuation(char c) {
    return c == ' ' || c == ',' || c == ';' || c == '.' || c == '~';
}

}  // namespace

void dropParentheticals(std::string& meaning) {
    if (findEither(meaning, '(', '[') == std::string::npos) {
        trimBlanks(meaning);
        return;
    }
    bool wordsOutside = false;
    forEachOutsideRemarks(meaning, [&](char c) { wordsOutside |= !isMeaningPunctuation(c); });
    if (!wordsOutside) {
        // Nothing but remarks: keep their words without the brackets.
        std::erase_if(meaning, [](char c) { return c == '(' || c == ')' || c == '[' || c == ']'; });
        trimBlanks(meaning);
        return;
    }
    // The kept characters move down in place: the write position never passes the read one.
    std::size_t out = 0;
    forEachOutsideRemarks(meaning, [&](char c) { meaning[out++] = c; });
    meaning.resize(out);
    trimBlanks(meaning);
}

// Of two words joined by "or" at the start of a sense, the first with the rest they share:
// "take or receive in advance" -> "take in advance", "run or hasten back" -> "run back",
// "green or verdant" -> "green". English needs one of them, and the sense is cut to the
// field's length before the shared rest otherwise.
void keepFirstAlternative(std::string& meaning, std::size_t start) {
    const std::size_t first = meaning.find(' ', start);
    if (first == std::string::npos || meaning.compare(first, 4, " or ") != 0) return;
    const std::size_t second = first + 4;
    const std::size_t rest = meaning.find(' ', second);
    meaning.erase(first, rest == std::string::npos ? std::string::npos : rest - first);
}

void keepFirstSense(std::string& meaning) {
    std::size_t start = 0;
    while (start < meaning.size() && (meaning[start] == '~' || meaning[start] == ' ')) ++start;
    const std::size_t cut = findEither(meaning, ',', ';', start);
    if (cut != std::string::npos) meaning.erase(cut);
    trimBlanks(meaning);
    keepFirstAlternative(meaning, start);
}

const MeaningRecord& lookUpMeaningRecord(const Lexicon& lexicon, const ViewOptions& options,
                                         const StemRecord& stem, MeaningUse use) {
    if (isUserEntry(stem))
        return recordAt(lexicon.userMeanings, stem.meaningIndex - kUserMeaningBase);
    if (isBotanyEntry(stem)) {
        if (options.botanyActive) return recordAt(lexicon.botanyMeanings, stem.meaningIndex);
        return use == MeaningUse::Word ? kBotanyWordRecord : kBotanySuffixRecord;
    }
    return recordAt(lexicon.meanings, stem.meaningIndex);
}

int selectAreaMeaning(std::string& meaning, int areaLetter, int readingAreaIndex,
                      std::uint8_t entrySubject) {
    int taken = 0;
    const bool alreadyThere = readingAreaIndex >= 0 &&
                              readingAreaIndex < static_cast<int>(kAreaLetters.size()) &&
                              kAreaLetters[static_cast<std::size_t>(readingAreaIndex)] == areaLetter;
    if (areaLetter != 0 && !alreadyThere) {
        taken = takeTaggedMeaning(meaning, areaLetter);
        const int fallback = fallbackAreaLetter(entrySubject);
        if (taken == 0 && fallback != 0) taken = takeTaggedMeaning(meaning, fallback);
    }
    cleanAreaTags(meaning);
    return taken;
}

std::string_view infinitiveOf(std::string_view latinForm) {
    const std::size_t first = latinForm.find(", ");
    if (first == std::string_view::npos) return {};
    const std::string_view rest = latinForm.substr(first + 2);
    const std::size_t next = rest.find(',');
    if (next == std::string_view::npos) return {};
    return rest.substr(0, next);
}

void fitAnalysisEnglish(std::string& meaning) {
    if (meaning.size() <= kAnalysisEnglishLength) return;
    meaning.resize(kAnalysisEnglishLength);
    meaning.back() = '*';
}

void storeShortMeaning(const Lexicon& lexicon, const ViewOptions& options, const StemRecord& stem,
                       const ReadingKind& kind, WordAnalysis& analysis) {
    const MeaningRecord& record = lookUpMeaningRecord(lexicon, options, stem, kind.use);
    std::string meaning = kind.uncertain ? "~" : "";
    meaning += fieldText(record.english);
    if (kind.verb) {
        const std::string_view infinitive = infinitiveOf(fieldText(record.latin));
        if (!infinitive.empty()) copyField(analysis.latinDetail, infinitive);
    }
    const int area = selectAreaMeaning(meaning, options.area, analysis.subject, subjectOf(stem));
    if (area != 0) {
        analysis.subject = static_cast<std::uint8_t>(area);
        analysis.rarity = 1;
    }
    dropParentheticals(meaning);
    cutUnusedPart(meaning, kind.modifiedStem);
    keepFirstSense(meaning);
    if (kind.numeralAsAdjective) meaning += "-each";
    fitAnalysisEnglish(meaning);
    copyField(analysis.english, meaning);
}

}  // namespace kavro
