// Direct questions: after a question word English puts the auxiliary before the subject
// pronoun ("Quare iratus es?" -> "Why are you angry?", "Quare non indicasti?" -> "Why did you
// not point out?") and brings in "do" for a simple tense ("Quid quaeritis?" -> "What do you
// seek?"), where Latin needs no such order.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"

namespace kavro {

namespace {

// The English of the question words after which the order changes ("which" and "whom" after a
// mark are mostly relatives: "the man, whom you hate").
constexpr std::array<std::string_view, 6> kQuestionWords = {"why", "what", "where", "how", "whence", "when"};
constexpr std::array<std::string_view, 7> kSubjectPronouns = {"I", "you", "he", "she", "it", "we", "they"};
constexpr std::array<std::string_view, 18> kAuxiliaries = {"am",   "are",   "is",  "was",   "were", "will",
                                                           "shall", "would", "may", "might", "can",  "could",
                                                           "have", "has",   "had", "did",   "do",   "does"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& table, std::string_view word) {
    return std::find(table.begin(), table.end(), word) != table.end();
}

std::string_view firstWordOf(std::string_view text) { return text.substr(0, std::min(text.find(' '), text.size())); }

// The part of the sentence around p closes with a question mark.
int closingMark(const PolishSentence& s, int p) {
    for (int q = p; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (isPunctuation(r) && formOf(r) != ",") return q;
    }
    return -1;
}

// "you disregard" -> "do you disregard", "he comes" -> "does he come", "you made" -> "did you
// make": the verb's own English without its ending, after "do".
std::string withDo(const WordAnalysis& verb, std::string_view pronoun, std::string_view rest) {
    const std::string_view meaning = meaningOf(verb);
    const std::string_view word = firstWordOf(meaning);
    if (word.empty()) return {};
    const bool past = tenseOf(verb) != tense_type::Present;
    const bool third = personOf(verb) == 3 && verbNumberOf(verb) == number_type::Singular;
    const std::string_view aux = past ? "did" : third ? "does" : "do";
    const std::string_view after = rest.substr(firstWordOf(rest).size());
    return std::string(aux) + " " + std::string(pronoun) + " " + std::string(word) + std::string(after);
}

// The verb phrase put in question order, or empty when it has no subject pronoun.
std::string questionOrder(const WordAnalysis& verb, std::string_view text) {
    const std::string_view pronoun = firstWordOf(text);
    if (!listed(kSubjectPronouns, pronoun) || pronoun.size() == text.size()) return {};
    const std::string_view rest = text.substr(pronoun.size() + 1);
    const std::string_view aux = firstWordOf(rest);
    if (listed(kAuxiliaries, aux)) {
        return std::string(aux) + " " + std::string(pronoun) + std::string(rest.substr(aux.size()));
    }
    const bool simple = moodOf(verb) == mood_type::Indicative &&
                        (tenseOf(verb) == tense_type::Present || tenseOf(verb) == tense_type::Perfect ||
                         tenseOf(verb) == tense_type::Imperfect);
    return simple && !isCopulaBe(verb) ? withDo(verb, pronoun, rest) : std::string();
}

// A word that opens a clause of its own between the question word and the verb ("what if",
// "what that you did", "so that"): the verb is not the question's.
bool opensInnerClause(const PolishSentence& s, int q) {
    const WordAnalysis& r = s.reading(q);
    return r.partOfSpeech == speech_type::Conjunction ||
           (r.partOfSpeech == speech_type::Pronoun &&
            (r.kind2 == pronoun_kind_type::Relative || r.kind2 == pronoun_kind_type::Interrogative)) ||
           s.text(q) == "if" || s.text(q) == "that";
}

// A question word that opens its part of the sentence (after a mark or at the start).
bool opensQuestion(const PolishSentence& s, int w) {
    int before = w - 1;
    while (before >= 0 && s.text(before).empty()) --before;
    return !isPunctuation(s.reading(w)) && listed(kQuestionWords, s.text(w)) &&
           (before < 0 || isPunctuation(s.reading(before)));
}

}  // namespace

void orderQuestions(PolishSentence& s) {
    for (int w = 0; w < s.size(); ++w) {
        const int close = opensQuestion(s, w) ? closingMark(s, w) : -1;
        if (close < 0 || formOf(s.reading(close)) != "?") continue;
        for (int v = w + 1; v < close; ++v) {
            if (opensInnerClause(s, v)) break;
            if (!isFiniteVerb(s.reading(v))) continue;
            if (!s.isUserPhrase(v)) {
                const std::string ordered = questionOrder(s.reading(v), s.text(v));
                if (!ordered.empty()) s.setText(v, ordered);
            }
            break;
        }
        w = close;
    }
}

}  // namespace kavro
