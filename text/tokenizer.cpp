#include "text/tokenizer.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
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
    // Lets the scan stop before a word that does not fit, leaving the rest for the next
    // sentence; `lineGoesOn`: the line is part of a longer one, so it ends a sentence unclosed.
    void allowContinuation(bool lineGoesOn) {
        continuable_ = true;
        lineGoesOn_ = lineGoesOn;
    }
    // The rest of the line after the last word scanned; npos when the scan read the whole line.
    std::size_t resumeAt() const { return resumeAt_; }
    bool fullStopAdded() const { return fullStopAdded_; }

private:
    void scanWords(std::string_view line);
    void processWord(std::string_view raw);
    bool emitLeadingMarks(WordBuffer& word);
    void emitWord(WordBuffer& word);
    void put(std::string_view text);
    void putPunctuation(char mark);
    void storeWord(std::string_view text);
    bool limitReached(int pendingMarks, bool dropLastToken);
    void leaveWordForNextSentence();
    void reportLongWord(std::string_view word);
    bool closeWithFullStop();
    void finishTable();

    Engine& engine_;
    const ViewOptions& options_;
    int count_ = 0;
    bool stopped_ = false;
    bool cancelled_ = false;
    bool continuable_ = false;
    bool lineGoesOn_ = false;
    bool fullStopAdded_ = false;
    std::size_t resumeAt_ = std::string_view::npos;
    // The word being processed: where it starts in the line, the count before it and the token
    // before it (which a joined pair changes), so that a word that does not fit can be undone.
    std::size_t wordStart_ = 0;
    int countBeforeWord_ = 0;
    TokenText tokenBeforeWord_{};
};

int SentenceTokenizer::run(std::string_view line) {
    if (!line.empty()) scanWords(line);
    if (lineGoesOn_ || resumeAt_ != std::string_view::npos) fullStopAdded_ = closeWithFullStop();
    finishTable();
    return cancelled_ ? -2 : count_;
}

// A sentence cut from a longer line ends in a word: a full stop token closes it, as word
// analysis and the choice of readings expect. False when it is empty or ends in a mark.
bool SentenceTokenizer::closeWithFullStop() {
    if (count_ == 0) return false;
    const std::string_view last = fieldText(engine_.sentenceTokens[count_ - 1]);
    if (last.size() == kPunctuationPrefix.size() + 1 && last.starts_with(kPunctuationPrefix)) return false;
    putPunctuation(kPunctuationMarks[0]);
    return true;
}

// Collects the characters between spaces; the first line end and the first carriage return
// count as spaces, and so does the end of the line. A word that reaches the length limit is
// reported and skipped up to the next space; the words after it are read as usual.
void SentenceTokenizer::scanWords(std::string_view line) {
    const std::size_t lineEnd = line.find('\n');
    const std::size_t carriageReturn = line.find('\r');
    char raw[kWordLengthLimit];
    std::size_t rawLength = 0;
    bool skippingLongWord = false;
    for (std::size_t at = 0; at <= line.size() && !stopped_; ++at) {
        char ch = at < line.size() ? line[at] : ' ';
        if (at == lineEnd || at == carriageReturn) ch = ' ';
        if (ch == ' ') {
            if (rawLength > 0 && !skippingLongWord) processWord({raw, rawLength});
            rawLength = 0;
            skippingLongWord = false;
            continue;
        }
        if (skippingLongWord) continue;
        if (rawLength == 0) wordStart_ = at;
        if (options_.inscriptions && ch == '(') ch = '{';
        if (options_.inscriptions && ch == ')') ch = '}';
        if (rawLength + 1 >= static_cast<std::size_t>(kWordLengthLimit)) {
            reportLongWord({raw, rawLength});
            skippingLongWord = true;
            continue;
        }
        raw[rawLength++] = ch;
    }
}

void SentenceTokenizer::processWord(std::string_view raw) {
    countBeforeWord_ = count_;
    if (count_ > 0) std::memcpy(tokenBeforeWord_, engine_.sentenceTokens[count_ - 1], sizeof(TokenText));
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

// The token limit: when reached, warn (OK/Cancel) and stop. The word that did not fit is
// left for the next sentence when the caller can read one; otherwise its last token is dropped.
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
    if (continuable_ && countBeforeWord_ > 0) leaveWordForNextSentence();
    else if (dropLastToken && count_ > 0) --count_;
    stopped_ = true;
    return true;
}

void SentenceTokenizer::leaveWordForNextSentence() {
    count_ = countBeforeWord_;
    std::memcpy(engine_.sentenceTokens[count_ - 1], tokenBeforeWord_, sizeof(TokenText));
    resumeAt_ = wordStart_;
}

void SentenceTokenizer::reportLongWord(std::string_view word) {
    std::string text = "A word of " + std::to_string(kWordLengthLimit) +
                       " or more characters is passed over: ";
    text.append(word.substr(0, kLongWordShown)).append("...\n");
    engine_.rationedWarning(text);
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

int tokenizeSentencePart(Engine& engine, std::string_view line, bool lineGoesOn, SentencePart& part) {
    SentenceTokenizer tokenizer(engine);
    tokenizer.allowContinuation(lineGoesOn);
    const int count = tokenizer.run(line);
    const std::size_t resumeAt = tokenizer.resumeAt();
    part.taken = resumeAt == std::string_view::npos ? line.size() : resumeAt;
    part.fullStopAdded = tokenizer.fullStopAdded();
    return count;
}

}  // namespace kavro
