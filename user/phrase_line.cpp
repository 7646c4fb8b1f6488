// The lines of userphrases.txt: unscrambling and parsing into phrase records.
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/fixed_text.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

// Scrambled lines: "*", one free character, then the text with a filler character after every
// five, each printable character turned half-way round the printable range ('!'..'~').
constexpr std::size_t kScrambleHeader = 2;
constexpr std::size_t kScrambleGroup = 6;  // five kept, the sixth dropped
constexpr unsigned char kFirstTurned = '!';
constexpr unsigned char kLastTurned = '~';
constexpr unsigned char kUnusable = 127;  // DEL has no plain character

// The substitution of unscrambling; 0 marks a character that no plain line can contain.
constexpr char unscrambledChar(unsigned char c) {
    if (c == kUnusable) return 0;
    if (c < kFirstTurned || c > kLastTurned) return static_cast<char>(c);
    constexpr int kRange = kLastTurned - kFirstTurned + 1;
    return static_cast<char>(kFirstTurned + (c - kFirstTurned + kRange / 2) % kRange);
}

// English alternatives written with backslashes and stored with slashes, in the order they are
// looked for; only the first occurrence of each is rewritten.
constexpr std::array<std::string_view, 10> kEnglishAlternatives = {
    "s\\he\\it",  "s\\he",     "he\\they",     "he\\it",   "him\\it",
    "his\\their", "him\\them", "him\\her\\it", "him\\her", "his\\her\\their"};

// "s\he" stays when it is part of "his\her" or "s\her".
bool keepsBackslash(std::string_view english, std::string_view pattern, std::size_t at) {
    if (pattern != "s\\he") return false;
    const std::size_t after = at + pattern.size();
    return (after < english.size() && english[after] == 'r') || (at > 0 && english[at - 1] == 'i');
}

void rewriteAlternatives(std::string& english) {
    for (std::string_view pattern : kEnglishAlternatives) {
        const std::size_t at = english.find(pattern);
        if (at == std::string::npos || keepsBackslash(english, pattern, at)) continue;
        for (std::size_t k = at; k < at + pattern.size(); ++k) {
            if (english[k] == '\\') english[k] = '/';
        }
    }
}

bool isDigit1To9(char c) { return c >= '1' && c <= '9'; }

// Latin words are kept in lower case with j and v read as i and u.
char foldLatinLetter(char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == 'j') return 'i';
    if (c == 'v') return 'u';
    return c;
}

// The Latin part split at spaces; false on no word or more than five.
bool splitLatin(std::string_view latin, std::vector<std::string>& words) {
    std::size_t at = 0;
    while ((at = latin.find_first_not_of(' ', at)) != std::string_view::npos) {
        if (words.size() == kPhraseWordMax) return false;
        const std::size_t end = std::min(latin.find(' ', at), latin.size());
        std::string word(latin.substr(at, std::min(end - at, kPhraseWordKept)));
        for (char& c : word) c = foldLatinLetter(c);
        words.push_back(std::move(word));
        at = end;
    }
    return !words.empty();
}

// Either no word has a full stop, or every word has exactly one (its stem boundary).
bool fullStopsAgree(const std::vector<std::string>& words) {
    std::size_t dotted = 0;
    for (const std::string& word : words) {
        const auto stops = std::count(word.begin(), word.end(), '.');
        if (stops > 1) return false;
        dotted += static_cast<std::size_t>(stops);
    }
    return dotted == 0 || dotted == words.size();
}

}  // namespace

InfinitivePhrase infinitivePhraseNumbers(std::string_view english) {
    constexpr std::size_t kVerbDigit = 3, kReceivingDigit = 6;
    constexpr std::string_view kTo = "to ";
    if (!english.starts_with("INF") || english.size() <= kReceivingDigit) return {};
    if (!isDigit1To9(english[kVerbDigit]) || !isDigit1To9(english[kReceivingDigit])) return {};
    const std::size_t to = english.find(kTo, kReceivingDigit + 1);
    if (to == std::string_view::npos) return {};
    return {english[kVerbDigit] - '0', english[kReceivingDigit] - '0',
            english.substr(to + kTo.size())};
}

bool unscramblePhraseLine(std::string& line) {
    std::string plain;
    for (std::size_t k = kScrambleHeader; k < line.size(); ++k) {
        if ((k - kScrambleHeader) % kScrambleGroup != kScrambleGroup - 1) plain += line[k];
    }
    for (char& c : plain) {
        c = unscrambledChar(static_cast<unsigned char>(c));
        if (c == 0) return true;
    }
    line = std::move(plain);
    return false;
}

bool parsePhraseLine(std::string_view line, std::vector<StandardPhraseRecord>& table) {
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) return false;
    const std::string_view latin = line.substr(0, slash);
    std::string english(line.substr(slash + 1));
    if (english.empty() || english.size() > kPhraseEnglishMax) return false;

    std::vector<std::string> words;
    if (!splitLatin(latin, words) || !fullStopsAgree(words)) return false;
    if (english.starts_with("INF")) {
        // The two numbers name words of this phrase.
        const InfinitivePhrase numbers = infinitivePhraseNumbers(english);
        const int count = static_cast<int>(words.size());
        if (numbers.verbWord == 0 || numbers.verbWord > count || numbers.receivingWord > count)
            return false;
    }
    rewriteAlternatives(english);

    StandardPhraseRecord record{};
    for (std::size_t k = 0; k < words.size(); ++k) copyField(record.words[k], words[k]);
    copyField(record.english, english);
    table.push_back(record);
    return true;
}

int phraseWordCount(const StandardPhraseRecord& phrase) {
    int count = 0;
    while (count < static_cast<int>(kPhraseWordMax) && phrase.words[count][0] != '\0') ++count;
    return count;
}

}  // namespace kavro
