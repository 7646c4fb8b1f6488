#include "text/tokenizer.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "job/engine.h"
#include "job/fixed_text.h"
#include "text/token_joins.h"
#include "text/word_forms.h"

namespace kavro {
namespace {

constexpr std::string_view kPunctuationPrefix = "PUNCT";
constexpr char kFirstPunctuationCode = 64;  // the full stop's code letter; the rest follow
constexpr std::size_t kLongWordShown = 98;    // characters of a too-long word in its message

// One run of the tokenizer over one line.
class SentenceTokenizer {
public:
    explicit SentenceTokenizer(Engine& engine) : engine_(engine), options_(engine.options) {}

    int run(std::string_view line);

private:
    void scanWords(std::string_view line);
    void processWord(std::string_view raw);
    bool emitLeadingMarks(WordBuffer& word);
    void emitWord(WordBuffer& word);
    void put(std::string_view text);
    void putPunctuation(char mark);
    void storeWord(std::string_view text);
    bool limitReached(int pendingMarks, bool dropLastToken);
    void reportLongWord(std::string_view word);
    void finishTable();

    Engine& engine_;
    const ViewOptions& options_;
    int count_ = 0;
    bool stopped_ = false;
    bool cancelled_ = false;
};

int SentenceTokenizer::run(std::string_view line) {
    if (!line.empty()) scanWords(line);
    finishTable();
    return cancelled_ ? -2 : count_;
}

// Collects the characters between spaces; the first line end and the first carriage return
// count as spaces, and so does the end of the line.
void SentenceTokenizer::scanWords(std::string_view line) {
    const std::size_t lineEnd = line.find('\n');
    const std::size_t carriageReturn = line.find('\r');
    char raw[kWordLengthLimit];
    std::size_t rawLength = 0;
    for (std::size_t at = 0; at <= line.size() && !stopped_; ++at) {
        char ch = at < line.size() ? line[at] : ' ';
        if (at == lineEnd || at == carriageReturn) ch = ' ';
        if (ch == ' ') {
            if (rawLength > 0) processWord({raw, rawLength});
            rawLength = 0;
            continue;
        }
        if (options_.inscriptions && ch == '(') ch = '{';
        if (options_.inscriptions && ch == ')') ch = '}';
        if (rawLength + 1 >= static_cast<std::size_t>(kWordLengthLimit)) {
            reportLongWord({raw, rawLength});
            return;
        }
        raw[rawLength++] = ch;
    }
}

void SentenceTokenizer::processWord(std::string_view raw) {
    WordBuffer word;
    word.assign(raw);
    markInnerParentheses(word);
    if (!emitLeadingMarks(word)) return;
    if (options_.plautusElisions) restorePlautineElision(word);

    char pending[kTrailingMarkLimit];
    int pendingCount = 0;
    while (word.length > 0 && punctuationIndex(word.text[word.length - 1]) >= 0) {
        const char mark = word.text[word.length - 1];
        word.truncate(word.length - 1);
        if (pendingCount == kTrailingMarkLimit) break;  // that mark is lost
        pending[pendingCount++] = mark;
    }
    cleanCharacters(word, options_);
    if (word.length > 0) emitWord(word);
    if (limitReached(pendingCount, word.length > 0)) return;
    for (int k = pendingCount; k-- > 0;) putPunctuation(pending[k]);
}

bool SentenceTokenizer::emitLeadingMarks(WordBuffer& word) {
    while (word.length > 0 && punctuationIndex(word.text[0]) >= 0) {
        putPunctuation(word.text[0]);
        word.eraseFront(1);
        if (limitReached(0, true)) return false;
    }
    return true;
}

void SentenceTokenizer::emitWord(WordBuffer& word) {
    forEachWordToken(
        word, options_, [this](std::string_view piece) { put(piece); },
        [this](std::string_view token) { storeWord(token); });
}

void SentenceTokenizer::put(std::string_view text) {
    if (count_ >= static_cast<int>(kTokenCapacity)) return;
    copyField(engine_.sentenceTokens[count_], text);
    ++count_;
}

void SentenceTokenizer::putPunctuation(char mark) {
    char token[8];
    std::memcpy(token, kPunctuationPrefix.data(), kPunctuationPrefix.size());
    token[kPunctuationPrefix.size()] =
        static_cast<char>(kFirstPunctuationCode + punctuationIndex(mark));
    put({token, kPunctuationPrefix.size() + 1});
}

// Stores the word, or joins it to the token before it when the two form one expression.
void SentenceTokenizer::storeWord(std::string_view text) {
    if (count_ > 0) {
        TokenText& before = engine_.sentenceTokens[count_ - 1];
        char joined[kTokenTextSize];
        if (joinTokenPair(fieldText(before), text, joined)) {
            copyField(before, fieldText(joined));
            return;
        }
    }
    put(text);
}

// The token limit: when reached, warn (OK/Cancel), drop the last token if asked, stop.
bool SentenceTokenizer::limitReached(int pendingMarks, bool dropLastToken) {
    if (count_ < kTokenLimit - pendingMarks) return false;
    char text[80];
    std::snprintf(text, sizeof text, "Too many words/punctuation. Truncated at %d.\n", count_);
    engine_.messageBuffer.assign(text);
    if (!engine_.searchRunning && engine_.warningBoxCount < 2) {
        ++engine_.warningBoxCount;
        if (engine_.host.message(text, BoxKind::OkCancel) == BoxAnswer::Cancel) cancelled_ = true;
    }
    engine_.log.write(text);
    if (dropLastToken && count_ > 0) --count_;
    stopped_ = true;
    return true;
}

void SentenceTokenizer::reportLongWord(std::string_view word) {
    std::string text = "More than " + std::to_string(kWordLengthLimit) + " characters in word ";
    text.append(word.substr(0, kLongWordShown)).append("....\n");
    engine_.rationedWarning(text);
    stopped_ = true;
}

void SentenceTokenizer::finishTable() {
    if (options_.sentenceMode) reorderParticleAfterIn(engine_.sentenceTokens, count_);
    // The unused entries are cleared in one stretch (they follow each other in the table).
    const std::size_t used = static_cast<std::size_t>(count_);
    if (used < kTokenCapacity)
        std::memset(engine_.sentenceTokens + used, 0, (kTokenCapacity - used) * sizeof(TokenText));
    if (options_.autoArea) {
        std::memcpy(engine_.savedTokens, engine_.sentenceTokens, sizeof engine_.savedTokens);
    }
}

}  // namespace

int tokenizeSentence(Engine& engine, std::string_view line) {
    return SentenceTokenizer(engine).run(line);
}

}  // namespace kavro
