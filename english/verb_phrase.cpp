// The English verb phrase of one Latin verb reading, and the resolution of the markers.
#include "english/verb_phrase.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "core/fixed_text.h"

namespace kavro {

namespace {

// Codes read from the analysis records.
constexpr int kPronoun = 2, kNoun = 1, kNumeral = 5, kVerb = 7, kVerbMarked = 77;
constexpr int kNotTranslated16 = 16, kNotFound = 64, kDeleted = 255;
constexpr int kPresent = 1, kFuture = 3, kPerfect = 4, kFuturePerfect = 6;
constexpr int kActive = 1, kPassive = 2;
constexpr int kIndicative = 1, kSubjunctive = 2, kImperative = 3, kInfinitive = 4;
constexpr int kImpersonal = 8, kDeponent = 9, kSemiDeponent = 10, kPerfectDefinite = 11;
constexpr int kNounProper = 4, kNounPerson = 6, kNounGroup = 9;
constexpr int kOrdinal = 2;

// Buffers of the builder: the meaning after a reflexive replacement, and the tail.
constexpr std::size_t kReflexiveCut = 23;
constexpr std::size_t kTailMax = 27;

// Tables indexed by the person-number index PN = person + 3 x number (4..9).
constexpr std::array<const char*, 10> kReflexivePronoun = {
    "", "", "", "", "myself", "yourself", "himself", "ourselves", "yourselves", "themselves"};
constexpr std::array<const char*, 10> kPresentOfBe = {
    "", "", "", "", "am", "are", "is", "are", "are", "are"};
constexpr std::array<const char*, 10> kSubjectPronoun = {
    "", "", "", "", "I ", "you ", "", "we ", "you ", "they "};

const char* byPersonNumber(const std::array<const char*, 10>& table, int pn) {
    return pn >= 0 && pn < static_cast<int>(table.size()) ? table[pn] : "";
}

// Templates by the selector H = m + 2 x voice + 4 x tense (7..30); "%s" is the verb word.
constexpr std::array<const char*, 24> kVerbTemplates = {
    "%s", "may %s", "are %s+ed", "may be %s+ed",                                   // PRES
    "were %s+ing", "might %s", "were being %s+ed", "might be %s+ed",              // IMPF
    "will %s", "may in future %s", "will be %s+ed", "may in future be %s+ed",     // FUT
    "have %s+ed", "might have %s+ed", "were %s+ed", "might have been %s+ed",      // PERF
    "had %s+ed", "might have %s+ed", "had been %s+ed", "might have been %s+ed",   // PLUP
    "will have %s+ed", "might in future have %s+ed", "will have been %s+ed",      // FUTP
    "might in future have been %s+ed"};
constexpr int kFirstSelector = 7;
constexpr int kPresentActiveIndicative = 7;

// The grammatical reading of the verb as the builder sees it.
struct VerbReading {
    int kind, tense, voice, mood, person, number, pn;
    int partner;
    std::string_view analysedForm;
};

VerbReading readVerb(const WordAnalysis& a) {
    VerbReading v{a.kind2, a.grammar1, a.grammar2, a.grammar3, a.grammar4, a.grammar5, 0,
                  a.link1, fieldText(a.analysedForm)};
    v.pn = v.mood == kInfinitive ? 0 : v.person + 3 * v.number;
    return v;
}

// Replaces the first occurrence of `from` by `to`; false when there is none.
bool replaceFirst(std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) return false;
    text.replace(at, from.size(), to);
    return true;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// A meaning "wash oneself" takes the reflexive pronoun of the person ("wash myself"); the
// infinitive drops the word together with its blank.
std::string reflexiveMeaning(std::string meaning, int pn) {
    constexpr std::string_view kOneself = "oneself";
    if (meaning.size() <= kOneself.size() || !meaning.ends_with(kOneself)) return meaning;
    meaning.resize(meaning.size() - kOneself.size());
    const char* pronoun = byPersonNumber(kReflexivePronoun, pn);
    if (*pronoun == '\0') {
        while (!meaning.empty() && meaning.back() == ' ') meaning.pop_back();
    }
    meaning += pronoun;
    if (meaning.size() > kReflexiveCut) meaning.resize(kReflexiveCut);
    return meaning;
}

void adjustForVerbKind(VerbReading& v) {
    if (v.tense == 0) v.tense = kPresent;
    if (v.mood == 0) v.mood = kIndicative;
    if (v.voice == 0) v.voice = kActive;
    if (v.kind == kDeponent && v.voice == kPassive) v.voice = kActive;
    if (v.kind == kSemiDeponent && v.voice == kPassive && v.tense >= kPerfect) v.voice = kActive;
    if (v.kind == kPerfectDefinite && v.tense >= kPerfect) v.tense -= 3;
}

std::string fillTemplate(std::string_view pattern, std::string_view verbWord) {
    std::string out(pattern);
    replaceFirst(out, "%s", verbWord);
    return out;
}

// Step 5: the template of the tense, voice and mood; -1 as selector for the infinitive and
// for codes outside the table.
std::string chooseTemplate(const VerbReading& v, std::string_view verbWord, int& selector) {
    selector = -1;
    if (v.mood == kInfinitive) {
        if (v.voice == kPassive) return fillTemplate("to be %s+ed", verbWord);
        return fillTemplate(v.tense == kPresent ? "to %s" : "to have %s+ed", verbWord);
    }
    const bool known = v.tense >= 1 && v.tense <= kFuturePerfect && v.voice >= kActive &&
                       v.voice <= kPassive && v.mood >= kIndicative && v.mood <= kImperative;
    if (!known) return fillTemplate("unrecognised form of %s", verbWord);
    const int m = v.mood == kSubjunctive ? 2 : 1;
    selector = m + 2 * v.voice + 4 * v.tense;
    return fillTemplate(kVerbTemplates[selector - kFirstSelector], verbWord);
}

// Step 6: "was", "am"/"is", "has" and "shall" for the first and third person singular.
void agreeInSingular(std::string& phrase, const VerbReading& v) {
    if (v.mood == kSubjunctive || v.number != 1 || (v.person != 1 && v.person != 3)) return;
    if (replaceFirst(phrase, "were ", "was ")) return;
    if (replaceFirst(phrase, "are ", std::string(byPersonNumber(kPresentOfBe, v.pn)) + " ")) return;
    if (v.person == 3) {
        if (!contains(phrase, "will have ")) replaceFirst(phrase, "have ", "has ");
        return;
    }
    replaceFirst(phrase, "will ", "shall ");
}

// Step 7: "+es" after "s", "sh" and "ch"; nothing for "to"; "+s" otherwise.
void addThirdPersonEnding(std::string& phrase, std::string_view verbWord) {
    if (verbWord == "^to") return;
    const std::size_t n = verbWord.size();
    const bool sibilant = verbWord.ends_with('s') ||
                          (n >= 2 && verbWord[n - 1] == 'h' &&
                           (verbWord[n - 2] == 's' || verbWord[n - 2] == 'c'));
    phrase += sibilant ? "+es" : "+s";
}

// The pronoun of a third person singular verb, chosen from its first partner.
const char* pronounFromPartner(const VerbReading& v, std::span<const WordAnalysis> analyses) {
    if (v.partner < 0 || v.partner >= static_cast<int>(analyses.size())) return "s/he/it ";
    const WordAnalysis& p = analyses[v.partner];
    if (p.partOfSpeech == kVerb) return "s/he/it ";
    if (p.partOfSpeech == kPronoun) return "";
    const int gender = p.grammar3;
    if (p.kind2 == kNounProper || p.kind2 == kNounPerson || p.kind2 == kNounGroup) {
        constexpr std::array<const char*, 5> kByGender = {"", "he ", "she ", "it ", "s/he "};
        return gender >= 1 && gender <= 4 ? kByGender[gender] : "";
    }
    if (gender < 4) return "it ";
    return gender == 4 ? "s/he " : "";
}

// Steps 7 and 8: the third person ending and the subject pronoun in front of the phrase.
void addSubject(std::string& phrase, const VerbReading& v, int selector,
                std::string_view verbWord, int subjectCount,
                std::span<const WordAnalysis> analyses) {
    const bool futureActiveImperative =
        v.mood == kImperative && v.tense == kFuture && v.voice == kActive;
    if (v.mood == kImperative && !futureActiveImperative) return;
    const char* pronoun = "";
    if (v.pn == 6) {
        if (selector == kPresentActiveIndicative) addThirdPersonEnding(phrase, verbWord);
        if (v.kind == kImpersonal) {
            pronoun = v.analysedForm.starts_with("inqu") ? "one " : "it ";
        } else if (subjectCount == 0 || (v.number == 1 && subjectCount > 1)) {
            pronoun = pronounFromPartner(v, analyses);
        }
    } else if (v.pn == 9) {
        pronoun = subjectCount < 2 ? "they " : "";
    } else {
        pronoun = byPersonNumber(kSubjectPronoun, v.pn);
    }
    phrase.insert(0, pronoun);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Step 9: the forms of "be".
void fixFormsOfBe(std::string& phrase, const VerbReading& v) {
    const char* present = byPersonNumber(kPresentOfBe, v.pn);
    if (replaceFirst(phrase, "be+ed", "been")) {
        if (v.voice == kPassive) {
            constexpr std::array<std::array<const char*, 2>, 5> kPassiveBeen = {{
                {"be ^been", "have ^been"}, {"being ^been", "having ^been"},
                {"are ^been", "have ^been"}, {"is ^been", "has ^been"},
                {"am ^been", "have ^been"}}};
            for (const auto& [from, to] : kPassiveBeen) {
                if (replaceFirst(phrase, from, to)) break;
            }
        } else if (v.tense == kFuturePerfect) {
            replaceFirst(phrase, "will has ^been", "will have ^been");
        } else if (equalsIgnoringCase(v.analysedForm, "..fore")) {
            phrase = "to be about to ^be";
        }
    } else if (replaceFirst(phrase, "be+s", present)) {
    } else if (phrase == "^be" && v.mood != kImperative) {
        phrase = std::string("^") + present;
    } else {
        replaceFirst(phrase, "be+ing", "being");
    }
}

// Step 10: impersonal meanings that begin with "is".
void fixImpersonal(std::string& phrase, const VerbReading& v) {
    const bool subjunctive = v.mood == kSubjunctive;
    if (!replaceFirst(phrase, "is+ed", subjunctive ? "been" : "was")) {
        replaceFirst(phrase, "is+es", subjunctive ? "be" : "is");
    }
}

}  // namespace

std::string buildVerbPhrase(std::string_view meaning, int subjectCount, int verbIndex,
                            std::span<const WordAnalysis> analyses) {
    if (verbIndex < 0 || verbIndex >= static_cast<int>(analyses.size())) {
        return std::string(meaning.substr(0, kVerbPhraseMax));
    }
    VerbReading v = readVerb(analyses[verbIndex]);
    const std::string text = reflexiveMeaning(std::string(meaning), v.pn);

    const std::size_t blank = text.find(' ');
    const std::string verbWord = "^" + text.substr(0, blank);
    const std::string tail =
        blank == std::string::npos ? std::string() : text.substr(blank, kTailMax);

    adjustForVerbKind(v);
    int selector = -1;
    std::string phrase = chooseTemplate(v, verbWord, selector);
    agreeInSingular(phrase, v);
    addSubject(phrase, v, selector, verbWord, subjectCount, analyses);
    if (verbWord == "^be") fixFormsOfBe(phrase, v);
    if (v.kind == kImpersonal) fixImpersonal(phrase, v);
    if (v.mood == kImperative) phrase += '!';
    phrase += tail;
    if (phrase.size() > kVerbPhraseMax) phrase.resize(kVerbPhraseMax);
    return phrase;
}

void buildVerbPhrase(char* text, std::size_t capacity, int subjectCount, int verbIndex,
                     std::span<const WordAnalysis> analyses) {
    if (capacity == 0) return;
    const std::string meaning(text, strnlen(text, capacity));
    copyBounded(text, capacity, buildVerbPhrase(meaning, subjectCount, verbIndex, analyses));
}

// ---------------------------------------------------------------------------------------------
// Marker resolution.

namespace {

// Rule 3's last cases: the "+" before "s" becomes "e" after "x", "ch" (not in a pronoun) and "s".
bool takesExtraE(std::string_view slot, std::size_t plus, const WordAnalysis& reading) {
    const char c = slot[plus - 1];
    if (slot.substr(plus + 1, 1) != "s") return false;
    if (c == 'x' || c == 's') return true;
    return c == 'h' && plus >= 2 && slot[plus - 2] == 'c' && reading.partOfSpeech != kPronoun;
}

// "twenty+th" before an ordinal: "twenty-", so that the next ordinal follows with a hyphen.
bool beforeOrdinal(const WordAnalysis* next) {
    return next && next->partOfSpeech == kNumeral && next->grammar4 == kOrdinal;
}

void resolveSuffix(std::string& slot, std::size_t plus, const WordAnalysis& reading,
                   const WordAnalysis* next) {
    const char c = plus > 0 ? slot[plus - 1] : '\0';
    const std::string_view s = std::string_view(slot).substr(plus + 1);
    if (s.starts_with('e')) {
        slot.erase(plus, 1);
        if (c == 'e') slot.erase(plus - 1, 1);
        else if (c == 'y') slot[plus - 1] = 'i';
    } else if (s.starts_with('i')) {
        slot.erase(plus, 1);
        if (c == 'e' || c == 'i') slot.erase(plus - 1, 1);
    } else if (c == 'y' && s.starts_with('s')) {
        slot[plus - 1] = 'i';
        slot[plus] = 'e';
    } else if (c == 'y' && s == "th" && beforeOrdinal(next)) {
        slot.resize(plus);
        slot += '-';
    } else if (plus > 0 && takesExtraE(slot, plus, reading)) {
        slot[plus] = 'e';
    } else {
        slot.erase(plus, 1);
    }
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }

// Plural nouns: "-mans" is "-men"; a group name in "-uses" takes the Latin plural "-i".
void fixNounEndings(std::string& slot, const WordAnalysis& reading) {
    if (slot.ends_with("mans")) {
        slot.replace(slot.size() - 4, 4, "men");
        return;
    }
    if (slot.size() > 6 && slot.ends_with("uses") && isLower(slot[slot.size() - 5]) &&
        reading.kind2 == kNounGroup && reading.grammar2 == 2) {
        slot.replace(slot.size() - 4, 4, "i");
    }
}

}  // namespace

void resolveMarkers(std::string& slot, const WordAnalysis& reading,
                    const WordAnalysis* nextReading) {
    const int pos = reading.partOfSpeech;
    if (pos == kNotTranslated16 || pos == kNotFound || pos == kDeleted) return;
    const std::size_t plus = slot.find('+');
    if (plus != std::string::npos) resolveSuffix(slot, plus, reading, nextReading);
    if (pos == kNoun) fixNounEndings(slot, reading);
}

void removeVerbCaret(std::string& slot, const WordAnalysis& reading) {
    if (reading.partOfSpeech != kVerb && reading.partOfSpeech != kVerbMarked) return;
    const std::size_t caret = slot.find('^');
    if (caret != std::string::npos) slot.erase(caret, 1);
    if (slot.ends_with(' ')) slot.pop_back();
}

}  // namespace kavro
