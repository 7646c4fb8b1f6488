#include "formats/written_forms.h"

#include <algorithm>

#include "core/grammar_codes.h"
#include "morph/word_analysis.h"
#include "text/token_sources.h"

namespace kavro {
namespace {

constexpr std::size_t kMarkCodeAt = 5;            // "PUNCT" and the code letter
constexpr char kFirstMarkCode = '@';              // the full stop's code letter
constexpr std::string_view kClosingMarks = ".,?:!;)";
constexpr char kOpeningMark = '(';

// Letters compared as the tokenizer spells them: lower case, u for v, i for j.
std::string folded(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + ('a' - 'A'));
        if (ch == 'v') ch = 'u';
        if (ch == 'j') ch = 'i';
    }
    return out;
}

// An enclitic that word analysis cut off `word` (que of uirumque, cum of Mecum).
bool isEncliticOf(std::string_view enclitic, std::string_view word) {
    return !enclitic.empty() && enclitic.size() < word.size() && folded(word).ends_with(enclitic);
}

// The pairing of the tokens with the replayed ones: for each replayed token the token it became
// and the enclitic token beside it.
struct Pairing {
    std::vector<int> word;
    std::vector<int> enclitic;
};

// Pairs tokens[i..] with read[j..]. A token is its replayed token, or an enclitic before the next
// one (que uirumque) or after the one just paired (Marcusque que). In a run of words that all end
// in que the owner of each que is found by trying the enclitic before its word first and going
// back when the run cannot be paired that way; a state that failed once is not tried again.
class TokenPairer {
public:
    TokenPairer(const std::vector<TokenSource>& read, const std::vector<std::string_view>& tokens, Pairing& out)
        : read_(read), tokens_(tokens), out_(out), failed_((tokens.size() + 1) * (read.size() + 1) * 2, false) {
        out_.word.assign(read.size(), -1);
        out_.enclitic.assign(read.size(), -1);
    }

    bool pairFrom(std::size_t i, std::size_t j) {
        if (i == tokens_.size()) return true;
        const bool open = afterIsOpen(i, j);
        const std::size_t state = (i * (read_.size() + 1) + j) * 2 + (open ? 1 : 0);
        if (failed_[state]) return false;
        if (j < read_.size() && tokens_[i] == read_[j].text) {
            out_.word[j] = static_cast<int>(i);
            if (pairFrom(i + 1, j + 1)) return true;
        }
        if (j < read_.size() && i + 1 < tokens_.size() && tokens_[i + 1] == read_[j].text &&
            isEncliticOf(tokens_[i], read_[j].text)) {
            out_.enclitic[j] = static_cast<int>(i);
            out_.word[j] = static_cast<int>(i + 1);
            if (pairFrom(i + 2, j + 1)) return true;
            out_.enclitic[j] = -1;
        }
        if (open && isEncliticOf(tokens_[i], read_[j - 1].text)) {
            out_.enclitic[j - 1] = static_cast<int>(i);
            if (pairFrom(i + 1, j)) return true;
            out_.enclitic[j - 1] = -1;
        }
        if (j < read_.size()) out_.word[j] = -1;
        failed_[state] = true;
        return false;
    }

private:
    // The token just before i became read[j - 1], which has no enclitic yet.
    bool afterIsOpen(std::size_t i, std::size_t j) const {
        return i > 0 && j > 0 && out_.word[j - 1] == static_cast<int>(i) - 1 && out_.enclitic[j - 1] < 0;
    }

    const std::vector<TokenSource>& read_;
    const std::vector<std::string_view>& tokens_;
    Pairing& out_;
    std::vector<bool> failed_;
};

// The form of one of several tokens read from one written word: the first takes the word's
// beginning and the last its end when they spell the token (Factum of Factumst, XII of M_XII);
// otherwise the token's own text (est).
std::string partForm(std::string_view written, std::string_view token, bool first, bool last) {
    if (token.size() <= written.size()) {
        const std::string_view start = written.substr(0, token.size());
        const std::string_view end = written.substr(written.size() - token.size());
        if (first && folded(start) == folded(token)) return std::string(start);
        if (last && folded(end) == folded(token)) return std::string(end);
    }
    return std::string(token);
}

// The words of a written token read as one token, with the enclitic cut off it if any.
void addWords(WrittenToken& out, std::string form, int word, int enclitic, std::string_view encliticText) {
    if (enclitic < 0) {
        out.words.push_back({std::move(form), word});
        return;
    }
    std::string tail(encliticText);
    if (folded(form).ends_with(encliticText)) {
        tail = form.substr(form.size() - encliticText.size());
        form.resize(form.size() - encliticText.size());
    }
    out.words.push_back({std::move(form), word});
    out.words.push_back({std::move(tail), enclitic});
}

std::vector<WrittenToken> pairedTokens(std::string_view line, const LineTokens& read, const Pairing& pairing,
                                       const std::vector<std::string_view>& tokens) {
    std::vector<WrittenToken> out;
    std::size_t j = 0;
    for (int p = 0; p < static_cast<int>(read.pieces.size());) {
        std::size_t k = j;
        int last = p;
        while (k < read.tokens.size() && read.tokens[k].firstPiece == p)
            last = std::max(last, read.tokens[k++].lastPiece);
        WrittenToken w;
        for (int q = p; q <= last; ++q) {
            const WrittenPiece& piece = read.pieces[q];
            w.text.append(line.substr(piece.start, piece.length));
            if (q < last && piece.spaceAfter) w.text += ' ';
        }
        w.spaceAfter = read.pieces[last].spaceAfter;
        if (k == j) w.words.push_back({w.text, -1});
        for (std::size_t s = j; s < k; ++s) {
            const std::string_view text = read.tokens[s].text;
            std::string form = k - j == 1 ? w.text : partForm(w.text, text, s == j, s + 1 == k);
            const int enclitic = pairing.enclitic[s];
            addWords(w, std::move(form), pairing.word[s], enclitic, enclitic < 0 ? "" : tokens[enclitic]);
        }
        out.push_back(std::move(w));
        p = last + 1;
        j = k;
    }
    return out;
}

// Each token for itself, when the line and the tokens cannot be paired.
std::vector<WrittenToken> tokensAsWritten(const std::vector<std::string_view>& tokens) {
    std::vector<WrittenToken> out;
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        std::string text(tokens[t]);
        const char mark =
            isPunctuationToken(tokens[t]) ? punctuationMark(tokens[t][kMarkCodeAt] - kFirstMarkCode) : '\0';
        if (mark != '\0') text.assign(1, mark);
        if (!out.empty() && text.size() == 1 && kClosingMarks.find(text[0]) != std::string_view::npos)
            out.back().spaceAfter = false;
        WrittenToken w{text, text != std::string(1, kOpeningMark), {{text, static_cast<int>(t)}}};
        out.push_back(std::move(w));
    }
    return out;
}

}  // namespace

std::vector<WrittenToken> writtenTokens(std::string_view line, const std::vector<std::string_view>& tokens,
                                        const ViewOptions& options) {
    const LineTokens read = replayTokenizer(line, options);
    Pairing pairing;
    if (!TokenPairer(read.tokens, tokens, pairing).pairFrom(0, 0)) return tokensAsWritten(tokens);
    return pairedTokens(line, read, pairing, tokens);
}

}  // namespace kavro
