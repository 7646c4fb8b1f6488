// Fitting the English of a standard phrase to the sentence it was found in.
#include "user/phrase_english.h"

#include <array>
#include <vector>

namespace kavro {
namespace {

constexpr int kPersonNumbers = 6;  // 1st, 2nd, 3rd singular, then plural

// Alternatives of a phrase's English and what each becomes for the six persons.
struct PersonAlternative {
    std::string_view text;
    std::array<std::string_view, kPersonNumbers> forms;
};
constexpr std::array<PersonAlternative, 7> kPersonAlternatives = {{
    {"s/he/it", {"I", "you", "s/he/it", "we", "you", "they"}},
    {"s/he", {"I", "you", "s/he", "we", "you", "they"}},
    {"he/they", {"I", "you", "he", "we", "you", "they"}},
    {"he/it", {"I", "you", "he/it", "we", "you", "they"}},
    {"his/their", {"my", "your", "his", "our", "your", "their"}},
    {"his/her/their", {"my", "your", "his/her", "our", "your", "their"}},
    {"oneself", {"myself", "yourself", "himself", "ourselves", "yourselves", "themselves"}},
}};

// The present of "be" and "have" after each subject pronoun.
struct PresentAfterSubject {
    std::string_view subject;
    std::string_view be;
    std::string_view have;
};
constexpr std::array<PresentAfterSubject, 11> kPresentAfterSubject = {{
    {"I", "am", "have"},
    {"you", "are", "have"},
    {"we", "are", "have"},
    {"they", "are", "have"},
    {"he", "is", "has"},
    {"she", "is", "has"},
    {"it", "is", "has"},
    {"s/he", "is", "has"},
    {"s/he/it", "is", "has"},
    {"he/it", "is", "has"},
    {"one", "is", "has"},
}};

// Forms of "be" that a verb phrase carries in place of the verb and its ending marker.
struct FormOfBe {
    std::string_view form;
    std::string_view marker;
};
constexpr std::array<FormOfBe, 5> kFormsOfBe = {{
    {"am", ""},
    {"are", ""},
    {"is", "+s"},
    {"been", "+ed"},
    {"being", "+ing"},
}};

// English verbs whose endings are not made by the markers.
constexpr std::array<std::array<std::string_view, 2>, 5> kIrregularMarked = {{
    {"^be+s", "^is"},
    {"^be+ed", "^been"},
    {"^be+ing", "^being"},
    {"^have+s", "^has"},
    {"^have+ed", "^had"},
}};

constexpr std::string_view kToAlternative = "\\to ";
constexpr std::string_view kTrailingMarks = ",.;:!?";

std::vector<std::string> splitAtBlanks(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        const std::size_t blank = text.find(' ', at);
        words.emplace_back(text.substr(at, blank - at));
        if (blank == std::string_view::npos) return words;
        at = blank + 1;
    }
}

std::string joinWithBlanks(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k) text += ' ';
        text += words[k];
    }
    return text;
}

// A word's length without the punctuation that follows it.
std::size_t coreLength(std::string_view word) {
    const std::size_t last = word.find_last_not_of(kTrailingMarks);
    return last == std::string_view::npos ? 0 : last + 1;
}

void replaceCore(std::string& word, std::string_view core) {
    word.replace(0, coreLength(word), core);
}

std::string_view coreOf(const std::string& word) {
    return std::string_view(word).substr(0, coreLength(word));
}

// "A\to B": "to B" for an infinitive, "A" for any other verb.
std::string chooseToAlternative(std::string_view english, bool infinitive) {
    const std::size_t at = english.find(kToAlternative);
    if (at == std::string_view::npos) return std::string(english);
    if (infinitive) return std::string(english.substr(at + 1));
    std::string finite(english.substr(0, at));
    while (finite.ends_with(' ')) finite.pop_back();
    return finite;
}

void settlePersonAlternatives(std::vector<std::string>& words, const ClauseVerb& verb) {
    if (verb.person < 1 || verb.person > 3 || verb.number < 1 || verb.number > 2) return;
    const int personNumber = verb.person - 1 + 3 * (verb.number - 1);
    for (std::string& word : words) {
        for (const PersonAlternative& alternative : kPersonAlternatives) {
            if (coreOf(word) != alternative.text) continue;
            replaceCore(word, alternative.forms[personNumber]);
            break;
        }
    }
}

const PresentAfterSubject* subjectPronoun(std::string_view word) {
    for (const PresentAfterSubject& entry : kPresentAfterSubject) {
        if (entry.subject == word) return &entry;
    }
    return nullptr;
}

void agreeWithSubject(std::vector<std::string>& words) {
    for (std::size_t k = 1; k < words.size(); ++k) {
        const PresentAfterSubject* subject = subjectPronoun(words[k - 1]);
        if (!subject) continue;
        const std::string_view core = coreOf(words[k]);
        if (core == "^be")
            replaceCore(words[k], "^" + std::string(subject->be));
        else if (core == "^have")
            replaceCore(words[k], "^" + std::string(subject->have));
    }
}

void haveBeen(std::vector<std::string>& words) {
    for (std::size_t k = 1; k + 1 < words.size(); ++k) {
        if (words[k] == "be" && words[k + 1] == "been") words[k] = "have";
    }
}

std::string_view markerOfBeForm(std::string_view form) {
    for (const FormOfBe& entry : kFormsOfBe) {
        if (entry.form == form) return entry.marker;
    }
    return {};
}

void fixIrregularMarked(std::string& text) {
    for (const auto& [from, to] : kIrregularMarked) {
        const std::size_t at = text.find(from);
        const std::size_t after = at + from.size();
        if (at != std::string::npos &&
            (after == text.size() || text[after] == ' ' || text[after] == '!')) {
            text.replace(at, from.size(), to);
            return;
        }
    }
}

}  // namespace

std::string adaptPhraseEnglish(std::string_view english, const ClauseVerb& verb) {
    std::vector<std::string> words = splitAtBlanks(chooseToAlternative(english, verb.infinitive));
    settlePersonAlternatives(words, verb);
    agreeWithSubject(words);
    haveBeen(words);
    return joinWithBlanks(words);
}

std::string conjugateInfinitivePhrase(std::string_view verbSlot, std::string_view infinitive) {
    const std::size_t caret = verbSlot.find('^');
    if (caret == std::string_view::npos) return "to " + std::string(infinitive);
    std::string_view rest = verbSlot.substr(caret + 1);
    const std::string_view oldVerb = rest.substr(0, rest.find_first_of("+ !"));
    rest.remove_prefix(oldVerb.size());
    std::string_view marker;
    if (rest.starts_with('+')) {
        marker = rest.substr(0, rest.find_first_of(" !"));
        rest.remove_prefix(marker.size());
    } else {
        marker = markerOfBeForm(oldVerb);
    }
    const std::string_view bang = rest.starts_with('!') ? "!" : "";
    const std::size_t blank = infinitive.find(' ');
    const std::string_view newVerb = infinitive.substr(0, blank);
    const std::string_view tail =
        blank == std::string_view::npos ? std::string_view() : infinitive.substr(blank);

    std::string text(verbSlot.substr(0, caret));
    text.append("^").append(newVerb).append(marker).append(bang).append(tail);
    fixIrregularMarked(text);
    return text;
}

}  // namespace kavro
