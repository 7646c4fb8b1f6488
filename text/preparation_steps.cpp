#include "text/preparation_steps.h"

#include <climits>
#include <cstring>

#include "text/input_encoding.h"

namespace kavro {
namespace {

constexpr std::size_t kCommentColumns = 5;           // "--" starting in these makes a comment
constexpr std::size_t kCommaSpacingLimit = 4950;      // no space added after a comma beyond
constexpr std::string_view kQuoteFollowers = " .?!:;,";  // no space needed before these
// The Windows-1252 en and em dashes: like the hyphen they part the words on either side
// (paupere\x97mansissetque), which would otherwise be run together into one.
constexpr unsigned char kEnDash = 0x96;
constexpr unsigned char kEmDash = 0x97;

struct PronounPattern {
    std::string_view text;
    int counter;
};
constexpr PronounPattern kPronouns[] = {
    {" ego ", 0}, {" tu ", 1}, {" nos ", 2}, {" uos ", 3}, {" vos ", 3},
};

// Accented Windows-1252 letters and the plain letter each becomes.
struct CharacterFold {
    unsigned char from;
    char to;
};
constexpr unsigned char kFirstAccentedLetter = 0xC0;  // capital A with grave
constexpr CharacterFold kAccentFolds[] = {
    {0xE9, 'e'}, {0xEA, 'e'}, {0xE8, 'e'}, {0xEB, 'e'}, {0xE1, 'a'}, {0xE0, 'a'},
    {0xE4, 'a'}, {0xED, 'i'}, {0xEC, 'i'}, {0xEF, 'i'}, {0xF3, 'o'}, {0xF2, 'o'},
    {0xF6, 'o'}, {0xFA, 'u'}, {0xF9, 'u'}, {0xFC, 'u'},
};

// The other accented Windows-1252 letters (long vowels marked with a circumflex, accented
// capitals) fold to their plain letter as they do in UTF-8 input; the tokenizer would drop
// them and the word would lose a letter. '\0' for a byte that is no accented letter.
char plainLetterOf(unsigned char ch) {
    if (ch < kFirstAccentedLetter) return '\0';
    const unsigned char plain = windows1252For(ch);
    return plain < 0x80 && plain != ' ' ? static_cast<char>(plain) : '\0';
}

// Windows-1252 ligatures and the two letters each stands for.
struct LigatureSplit {
    unsigned char from;
    std::string_view to;
};
constexpr LigatureSplit kLigatures[] = {
    {0xE6, "ae"}, {0xC6, "Ae"}, {0x9C, "oe"}, {0x8C, "Oe"},
};

// Full stops after these letters end the sentence: they close a Roman numeral.
constexpr std::string_view kNumeralStopLetters = "IVX";
// Praenomina written with two or three letters.
constexpr std::string_view kTwoLetterPraenomina[] = {"Cn", "Ti", "Sp", "Ap"};
constexpr std::string_view kThreeLetterPraenomina[] = {"Sex", "Ser"};

// The forms of res publica abbreviated with "p." and the ending each is written out with.
struct ResPublicaForm {
    std::string_view abbreviated;  // from the space before "re" to the full stop
    std::string_view publica;
};
constexpr ResPublicaForm kResPublicaForms[] = {
    {" rem p.", "publicam"}, {" res p.", "publica"}, {" re p.", "publica"},
    {" rei p.", "publicae"},
};
constexpr std::size_t kResPublicaStride = 6;  // the search goes on this far after " re"

bool isUpper(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool isLower(char ch) { return ch >= 'a' && ch <= 'z'; }
bool isLetter(char ch) { return isUpper(ch) || isLower(ch); }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isQuoteMark(char ch) { return ch == '"' || ch == '\''; }
bool isSentenceMark(char ch) {
    return ch != '\0' && kSentenceMarks.find(ch) != std::string_view::npos;
}
char lowerAscii(char ch) { return isUpper(ch) ? static_cast<char>(ch + 32) : ch; }

bool equalsIgnoringCase(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (lowerAscii(text[k]) != lowerAscii(pattern[k])) return false;
    }
    return true;
}

std::size_t skipSpaces(const PreparedLine& line, std::size_t at) {
    while (line.at(at) == ' ') ++at;
    return at;
}

// With plautusElisions an apostrophe between two letters is an elision inside a word
// (meu's, ill'que): it stays attached and is no quotation mark.
bool isElision(const PreparedLine& line, std::size_t at, const ViewOptions& options) {
    return options.plautusElisions && line.at(at) == '\'' && at > 0 &&
           isLetter(line.at(at - 1)) && isLetter(line.at(at + 1));
}

void addSaturating(std::int16_t& counter, int amount) {
    const int sum = counter + amount;
    counter = static_cast<std::int16_t>(sum > SHRT_MAX ? SHRT_MAX : sum);
}

int countOccurrences(std::string_view line, std::string_view pattern) {
    int count = 0;
    for (std::size_t at = line.find(pattern); at != std::string_view::npos;
         at = line.find(pattern, at + pattern.size())) {
        ++count;
    }
    return count;
}

// The character-pass rules for quote marks: an opening quote glued to the word before it,
// or a closing quote glued to the word after it, gets a space. Returns the new position
// of the mark's last character handled.
std::size_t spaceQuoteMark(PreparedLine& line, std::size_t at, int quoteCount) {
    const bool glued = at > 0 && line.at(at - 1) != ' ' && line.at(at + 1) != '\0' &&
                       kQuoteFollowers.find(line.at(at + 1)) == std::string_view::npos;
    if (!glued) return at;
    if (quoteCount % 2 == 1) return line.insert(at, " ") ? at + 1 : at;
    return line.insert(at + 1, " ") ? at + 1 : at;
}

std::size_t spaceComma(PreparedLine& line, std::size_t at) {
    if (line.at(at + 1) != ' ' && line.size() < kCommaSpacingLimit) line.insert(at + 1, " ");
    const char next = line.at(skipSpaces(line, at + 1));
    if (isSentenceMark(next)) line.set(at, next);
    return at;
}

// Plain letters, digits and blanks, which no character rule rewrites (most of a text).
bool takesNoCharacterRule(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == ' ';
}

// The rules that apply after tab, quote, line end and hyphen normalisation. Returns the
// position of the last character they wrote.
std::size_t applyCharacterRules(PreparedLine& line, std::size_t at, int& quoteCount,
                                const ViewOptions& options) {
    const unsigned char ch = line.byteAt(at);
    if (takesNoCharacterRule(ch)) return at;
    if (ch == '.' && line.at(at + 1) == ')') {
        line.set(at, ')');
        line.set(at + 1, '.');
        return at;
    }
    if (isQuoteMark(static_cast<char>(ch))) {
        if (isElision(line, at, options)) return at;
        ++quoteCount;
        return spaceQuoteMark(line, at, quoteCount);
    }
    for (const CharacterFold& fold : kAccentFolds) {
        if (fold.from == ch) {
            line.set(at, fold.to);
            return at;
        }
    }
    if (const char plain = plainLetterOf(ch)) {
        line.set(at, plain);
        return at;
    }
    for (const LigatureSplit& ligature : kLigatures) {
        if (ligature.from == ch) return line.replace(at, 1, ligature.to) ? at + 1 : at;
    }
    if (ch == ',') return spaceComma(line, at);
    if (ch == '!' && options.inscriptions) line.set(at, kInscriptionMark);
    return at;
}

// Does the text at `at` read like `pattern`, letter case ignored?
bool matchesAt(const PreparedLine& line, std::size_t at, std::string_view pattern) {
    return at + pattern.size() <= line.size() &&
           equalsIgnoringCase(line.view().substr(at, pattern.size()), pattern);
}

bool exactlyAt(const PreparedLine& line, std::size_t at, std::string_view pattern) {
    return at + pattern.size() <= line.size() && line.view().substr(at, pattern.size()) == pattern;
}

// A full stop at `stop` that may join its initial or praenomen to the next word.
bool isJoinCandidate(const PreparedLine& line, std::size_t stop) {
    const char c = line.at(stop - 1);
    const char b = stop >= 2 ? line.at(stop - 2) : '\0';
    if (isUpper(c) && (stop == 1 || b == ' ' || isQuoteMark(b))) return true;
    if (stop >= 2) {
        for (std::string_view name : kTwoLetterPraenomina) {
            if (exactlyAt(line, stop - 2, name)) return true;
        }
    }
    if (stop >= 3) {
        for (std::string_view name : kThreeLetterPraenomina) {
            if (exactlyAt(line, stop - 3, name)) return true;
        }
    }
    return false;
}

// Rewrites the Roman abbreviations around the full stop at `stop`; true if one was found.
bool rewriteRomanAbbreviation(PreparedLine& line, std::size_t stop) {
    const std::size_t c = stop - 1;
    const unsigned char b = c >= 1 ? line.byteAt(c - 1) : 0;
    if (b < 'A') {
        if (matchesAt(line, c, "S. C.")) return line.replace(c, 5, " S_C ");
        if (matchesAt(line, c, "P. C.")) return line.replace(c, 5, " P_C ");
    }
    if (c >= 1 && matchesAt(line, c - 1, "tr. pl.")) return line.replace(c - 1, 7, "Tr_pleb");
    return false;
}

void writeSentence(std::FILE* out, std::string_view text, char quote, char mark) {
    std::fwrite(text.data(), 1, text.size(), out);
    if (quote != '\0') std::fputc(quote, out);
    std::fputc(mark, out);
    std::fputc('\n', out);
}

bool onlySpaces(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

bool isCommentLine(std::string_view line) {
    const std::size_t dashes = line.find("--");
    return dashes != std::string_view::npos && dashes < kCommentColumns;
}

void countPronouns(std::string_view line, std::int16_t (&counts)[4]) {
    for (const PronounPattern& pronoun : kPronouns) {
        addSaturating(counts[pronoun.counter], countOccurrences(line, pronoun.text));
    }
}

void moveTrailingMark(PreparedLine& line) {
    if (line.size() >= kInputLineLength) return;
    constexpr std::string_view kRunCharacters = " \t\n,.;:";
    constexpr std::string_view kMovedCharacters = "\n\r,.;:";
    std::size_t start = line.size();
    while (start > 0 && kRunCharacters.find(line.at(start - 1)) != std::string_view::npos) {
        --start;
    }
    if (start == line.size()) return;
    char moved = '.';
    for (std::size_t at = line.size(); at-- > start;) {
        if (kMovedCharacters.find(line.at(at)) != std::string_view::npos) moved = line.at(at);
    }
    line.set(start, moved);
}

void normaliseCharacters(PreparedLine& line, const ViewOptions& options) {
    int quoteCount = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const unsigned char ch = line.byteAt(at);
        switch (ch) {
            case '\t':
            case '\r':
            case kEnDash:
            case kEmDash:
            case kProtectedStop:
                line.set(at, ' ');
                continue;
            case '\n':
                line.set(at, at >= 2 && isUpper(line.at(at - 2)) ? '.' : ' ');
                continue;
            case '-':
                if (!(options.botanyActive && at > 0 && isDigit(line.at(at - 1)) &&
                      isDigit(line.at(at + 1)))) {
                    line.set(at, ' ');
                }
                continue;
            case 0x91:
            case 0x92:
            case '`':
                line.set(at, '\'');
                break;
            case 0x93:
            case 0x94:
                line.set(at, '"');
                break;
            default:
                break;
        }
        at = applyCharacterRules(line, at, quoteCount, options);
    }
}

void joinInitials(PreparedLine& line) {
    for (std::size_t stop = 1; stop < line.size(); ++stop) {
        if (line.at(stop) != '.' || line.at(stop + 1) != ' ') continue;
        if (kNumeralStopLetters.find(line.at(stop - 1)) != std::string_view::npos) continue;
        if (rewriteRomanAbbreviation(line, stop)) continue;
        if (!isJoinCandidate(line, stop)) continue;
        const std::size_t next = skipSpaces(line, stop + 1);
        if (!isUpper(line.at(next))) continue;
        line.set(stop, '_');
        line.erase(stop + 1, next - stop - 1);
    }
}

void protectNumberStops(PreparedLine& line) {
    std::size_t at = 0;
    while (at < line.size()) {
        if (!isDigit(line.at(at))) {
            ++at;
            continue;
        }
        std::size_t end = at;
        for (char ch = line.at(end); isDigit(ch) || ch == '.' || ch == '-'; ch = line.at(++end)) {
            if (ch == '.') line.set(end, kProtectedStop);
        }
        at = end + 2;
    }
}

void writeOutResPublica(PreparedLine& line) {
    for (std::size_t at = line.view().find(" re"); at != std::string_view::npos;
         at = line.view().find(" re", at + kResPublicaStride)) {
        for (const ResPublicaForm& form : kResPublicaForms) {
            if (!exactlyAt(line, at, form.abbreviated)) continue;
            line.replace(at + form.abbreviated.size() - 2, 2, form.publica);
            break;
        }
    }
}

void splitSentences(PreparedLine& line, SentenceSplitState& state, const ViewOptions& options,
                    std::FILE* out) {
    std::size_t start = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char ch = line.at(at);
        if (isLetter(ch) || isDigit(ch)) {
            state.hasText = true;
            state.markSeen = false;
        } else if (isQuoteMark(ch)) {
            if (!isElision(line, at, options)) state.inQuote = !state.inQuote;
        } else if (ch == kProtectedStop) {
            line.set(at, '.');
        } else if (isSentenceMark(ch)) {
            const std::size_t following = skipSpaces(line, at + 1);
            if (line.at(following) == ')') continue;
            state.markSeen = true;
            std::size_t next = at + 1;
            if (state.hasText) {
                char quote = '\0';
                if (state.inQuote && isQuoteMark(line.at(following))) {
                    quote = line.at(following);
                    state.inQuote = false;
                    next = following + 1;
                }
                writeSentence(out, line.view().substr(start, at - start), quote, ch);
                state.hasText = false;
            }
            start = next;
            at = next - 1;
        }
    }
    const std::string_view rest = line.view().substr(start < line.size() ? start : line.size());
    if (!rest.empty() && !onlySpaces(rest)) std::fwrite(rest.data(), 1, rest.size(), out);
}

}  // namespace kavro
