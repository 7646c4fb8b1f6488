// The English of finite verbs in a sentence: the negation of "non" inside the verb phrase, and
// imperatives without an exclamation mark.
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

// Words after which English puts "not": the auxiliaries of the verb templates and the forms of
// "be" ("will not come", "has not come", "is not seen", "was not able"; "we ^be able", which
// the phrase table makes "we are", gives "we be not able").
constexpr std::array<std::string_view, 22> kAuxiliaries = {
    "may", "might", "will", "shall", "would", "should", "can", "could", "must", "has", "have",
    "had", "is", "are", "am", "was", "were", "be", "do", "does", "did", "ought"};

bool isAuxiliary(std::string_view word) {
    for (std::string_view a : kAuxiliaries) {
        if (word == a) return true;
    }
    return false;
}

// The end of the word that starts at `at` (letters only).
std::size_t wordEnd(std::string_view text, std::size_t at) {
    while (at < text.size() && isWordLetter(text[at])) ++at;
    return at;
}

// The end of the first auxiliary among the words of the phrase up to its verb word (at the
// caret), that word included; npos when there is none.
std::size_t auxiliaryEnd(std::string_view text, std::size_t caret) {
    const std::size_t limit = wordEnd(text, caret + 1);
    for (std::size_t at = 0; at < limit;) {
        if (text[at] == '^') ++at;
        const std::size_t end = wordEnd(text, at);
        if (end > at && isAuxiliary(text.substr(at, end - at))) return end;
        at = text.find(' ', end);
        if (at == std::string_view::npos) break;
        ++at;
    }
    return std::string_view::npos;
}

// The verb of the simple tenses negated with "do": "he ^comes" -> "he does not ^come", "he
// ^came" -> "he did not ^come". The plain form is the first word of the verb's meaning.
std::string doSupport(std::string_view text, std::size_t caret, const WordAnalysis& verb) {
    const std::string_view meaning = meaningOf(verb);
    const std::string_view plain = meaning.substr(0, meaning.find(' '));
    const bool present = tenseOf(verb) == tense_type::Present || tenseOf(verb) == tense_type::None;
    const bool thirdSingular = personOf(verb) == 3 && verbNumberOf(verb) == number_type::Singular;
    const std::string_view helper = !present ? "did" : thirdSingular ? "does" : "do";
    std::string out(text.substr(0, caret));
    out += helper;
    out += " not ^";
    out += plain;
    out += text.substr(wordEnd(text, caret + 1));
    return out;
}

}  // namespace

// "non" right before a finite verb goes into its phrase: after the first auxiliary, or with
// "do" before the plain verb; its own slot is left empty.
bool negateFollowingVerb(PolishSentence& s, int p) {
    if (formOf(s.reading(p)) != "non." || s.text(p) != "not" || !s.contains(p + 1) ||
        !isFiniteVerb(s.reading(p + 1)) || s.isUserPhrase(p + 1)) {
        return false;
    }
    const std::string text = s.text(p + 1);
    const std::size_t caret = text.find('^');
    if (caret == std::string::npos || wordEnd(text, caret + 1) == caret + 1) return false;
    const std::size_t aux = auxiliaryEnd(text, caret);
    const std::string negated = aux != std::string::npos
                                    ? text.substr(0, aux) + " not" + text.substr(aux)
                                    : doSupport(text, caret, s.reading(p + 1));
    s.setText(p + 1, negated);
    s.setText(p, "");
    return true;
}

// Imperatives are written without "!" ("hear!, my words" -> "hear, my words"; "come! forth"
// -> "come forth"): English marks the command by the missing subject, and the sentence keeps
// its own mark.
void dropImperativeMarks(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        const WordAnalysis& r = s.reading(p);
        if (!isVerb(r) || moodOf(r) != mood_type::Imperative || s.isUserPhrase(p)) continue;
        std::string text = s.text(p);
        const std::size_t mark = text.find('!');
        if (mark == std::string::npos) continue;
        text.erase(mark, 1);
        s.setText(p, text);
    }
}

}  // namespace kavro
