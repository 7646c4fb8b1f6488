#include "text/token_sources.h"

#include "core/capacities.h"
#include "core/fixed_text.h"
#include "text/token_joins.h"
#include "text/tokenizer.h"
#include "text/word_forms.h"

namespace kavro {
namespace {

constexpr std::string_view kPunctuationPrefix = "PUNCT";
constexpr char kFirstPunctuationCode = 64;    // the full stop's code letter, as the tokenizer has it
constexpr std::string_view kBrackets = "[]{}";

bool isWhiteSpace(char ch) { return ch == ' ' || ch == '\n' || ch == '\r' || ch == '\t'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::string markToken(char mark) {
    std::string token(kPunctuationPrefix);
    token += static_cast<char>(kFirstPunctuationCode + punctuationIndex(mark));
    return token;
}

// One replay over one line: the steps of the tokenizer's word handling, in its order.
class TokenizerReplay {
public:
    TokenizerReplay(std::string_view line, const ViewOptions& options) : line_(line), options_(options) {}

    LineTokens run() {
        std::size_t at = 0;
        while (at < line_.size()) {
            if (isWhiteSpace(line_[at])) {
                ++at;
                continue;
            }
            std::size_t end = at;
            while (end < line_.size() && !isWhiteSpace(line_[end]) && end - at + 1 < kWordLengthLimit) ++end;
            if (end < line_.size() && !isWhiteSpace(line_[end])) {
                end = longWord(at);
            } else {
                chunk(at, end);
            }
            at = end;
        }
        return std::move(out_);
    }

private:
    std::size_t longWord(std::size_t start);
    void chunk(std::size_t start, std::size_t end);
    void wordTokens(WordBuffer word);
    void addPiece(std::size_t start, std::size_t length, bool word);
    void addMark(std::size_t at, bool kept);
    void store(std::string_view text);
    void put(std::string_view text);
    bool isStray(char ch) const;

    std::string_view line_;
    const ViewOptions& options_;
    LineTokens out_;
};

// A character at a word's edge that the tokenizer's cleaning drops: not a digit (digits stay
// with the word), a mark or a bracket (the parentheses of puer(os) are the word's).
bool TokenizerReplay::isStray(char ch) const {
    if (isDigit(ch) || punctuationIndex(ch) >= 0 || kBrackets.find(ch) != std::string_view::npos) return false;
    WordBuffer one;
    one.append(ch);
    cleanCharacters(one, options_);
    return one.length == 0;
}

void TokenizerReplay::addPiece(std::size_t start, std::size_t length, bool word) {
    out_.pieces.push_back({start, length, false, word});
}

void TokenizerReplay::addMark(std::size_t at, bool kept) {
    addPiece(at, 1, false);
    if (kept) put(markToken(line_[at]));
}

void TokenizerReplay::put(std::string_view text) {
    const int piece = static_cast<int>(out_.pieces.size()) - 1;
    out_.tokens.push_back({std::string(text), piece, piece});
}

// Stores the word, or joins it to the token before it, as the tokenizer does.
void TokenizerReplay::store(std::string_view text) {
    if (!out_.tokens.empty()) {
        TokenSource& before = out_.tokens.back();
        char joined[kTokenTextSize];
        if (joinTokenPair(before.text, text, joined)) {
            before.text = fieldText(joined);
            before.lastPiece = static_cast<int>(out_.pieces.size()) - 1;
            return;
        }
    }
    put(text);
}

// The tokens of a word whose marks are peeled off, as the tokenizer's emitWord makes them.
void TokenizerReplay::wordTokens(WordBuffer word) {
    cleanCharacters(word, options_);
    if (word.length == 0) return;
    forEachWordToken(
        word, options_, [this](std::string_view piece) { put(piece); },
        [this](std::string_view token) { store(token); });
}

// A word too long to analyse, passed over by the tokenizer: a piece without tokens. Returns
// its end.
std::size_t TokenizerReplay::longWord(std::size_t start) {
    std::size_t end = start;
    while (end < line_.size() && !isWhiteSpace(line_[end])) ++end;
    addPiece(start, end - start, true);
    out_.pieces.back().spaceAfter = true;
    return end;
}

// One stretch without spaces: leading marks, the word, trailing marks (the nineteenth is lost).
void TokenizerReplay::chunk(std::size_t start, std::size_t end) {
    WordBuffer word;
    word.assign(line_.substr(start, end - start));
    for (std::size_t k = 0; k < word.length && options_.inscriptions; ++k) {
        if (word.text[k] == '(') word.text[k] = '{';
        if (word.text[k] == ')') word.text[k] = '}';
    }
    markInnerParentheses(word);
    std::size_t lead = 0;
    while (lead < word.length && punctuationIndex(word.text[lead]) >= 0) addMark(start + lead++, true);
    word.eraseFront(lead);
    if (options_.plautusElisions) restorePlautineElision(word);
    int peeled = 0;
    bool lost = false;
    while (word.length > 0 && punctuationIndex(word.text[word.length - 1]) >= 0) {
        word.truncate(word.length - 1);
        if (peeled == kTrailingMarkLimit) {
            lost = true;
            break;
        }
        ++peeled;
    }
    const std::size_t trail = static_cast<std::size_t>(peeled) + (lost ? 1 : 0);
    std::size_t from = start + lead;
    std::size_t to = end - trail;
    while (from < to && isStray(line_[from])) addPiece(from++, 1, false);
    std::size_t strayEnd = to;
    while (strayEnd > from && isStray(line_[strayEnd - 1])) --strayEnd;
    if (from < strayEnd) addPiece(from, strayEnd - from, true);
    wordTokens(word);
    for (std::size_t k = strayEnd; k < to; ++k) addPiece(k, 1, false);
    for (std::size_t k = to; k < end; ++k) addMark(k, !(lost && k == to));
    if (!out_.pieces.empty()) out_.pieces.back().spaceAfter = true;
}

}  // namespace

LineTokens replayTokenizer(std::string_view line, const ViewOptions& options) {
    return TokenizerReplay(line, options).run();
}

}  // namespace kavro
