// What the slots say twice: a subject pronoun that the verb phrase already carries ("ego
// amo" gives "I love", not "I I love"), an article or preposition repeated on a word tied to
// the one before it ("with the city with the great" -> "with the city great"), and the blanks
// after the gerundive marker, which join its words for the final assembly.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

bool endsPart(const WordAnalysis& r) {
    return isPunctuation(r) || r.partOfSpeech == speech_type::Conjunction;
}

// Person + 16 x number of a nominative personal pronoun: 1 ego, 2 tu, 17 nos, 18 vos; 0 else.
int subjectPronounCode(const WordAnalysis& r) {
    if (r.partOfSpeech != speech_type::Pronoun || r.kind2 != pronoun_kind_type::Personal ||
        caseOf(r) != case_type::Nominative) {
        return 0;
    }
    const std::string_view form = formOf(r);
    if (form == "ego." || form == "egomet.") return 1;
    if (form == "tu." || form == "tutemet.") return 2;
    if (form == "n.os") return 17;
    if (form == "u.os") return 18;
    return 0;
}

// Both positions are objects of the same preposition.
bool shareAPreposition(const PolishSentence& s, int p, int q) {
    const WordAnalysis* a = s.firstPartner(p);
    return a && a->partOfSpeech == speech_type::Preposition && s.reading(p).link1 == s.reading(q).link1;
}

// Position p is tied to the previous word: either names the other as partner (a verb partner
// does not count), or both hang on one preposition, or the previous word is the preposition of
// p's noun ("in magno periculo": magno belongs to periculo, which in governs).
bool tiedToPrevious(const PolishSentence& s, int p, int prev) {
    const int noun = s.firstPartnerPosition(p);
    const bool prepositionOfNoun = noun >= 0 && s.reading(prev).partOfSpeech == speech_type::Preposition &&
                                   s.pointsTo(prev, noun);
    return (s.pointsTo(prev, p) && !isVerb(s.reading(p))) ||
           (s.pointsTo(p, prev) && !isVerb(s.reading(prev))) || shareAPreposition(s, p, prev) ||
           prepositionOfNoun;
}

// Removes the whole words that the slot shares with the previous slot at their start.
void removeSharedStart(std::string& text, std::string_view previous) {
    std::size_t shared = 0;
    while (shared < text.size() && shared < previous.size() && text[shared] == previous[shared]) {
        ++shared;
    }
    const std::size_t blank = std::string_view(text).substr(0, shared).rfind(' ');
    if (blank != std::string::npos) text.erase(0, blank + 1);
}

bool isArticleBearer(const WordAnalysis& r) {
    switch (r.partOfSpeech) {
    case speech_type::Pronoun:
    case speech_type::Adjective:
    case speech_type::Numeral:
    case speech_type::Participle:
    case speech_type::SubstantiveAdjective: return true;
    default: return false;
    }
}

bool keepsPrefixAfter(const WordAnalysis& previous) {
    return previous.partOfSpeech == speech_type::Conjunction ||
           previous.partOfSpeech == speech_type::Adverb || previous.partOfSpeech == speech_type::Tackon;
}

// A word that agrees with the previous one, or hangs on it as on a preposition, repeats its
// case prefix; a word of another case (a genitive on its noun) keeps its own.
bool sharesCasePrefix(const WordAnalysis& r, const WordAnalysis& previous) {
    return previous.partOfSpeech == speech_type::Preposition || caseOf(r) == 0 ||
           caseOf(previous) == 0 || caseOf(r) == caseOf(previous);
}

// The one prefix a tied word loses after its neighbour.
void removeOnePrefix(const PolishSentence& s, int p, int prev, std::string& text) {
    const WordAnalysis& r = s.reading(p);
    const WordAnalysis& previous = s.reading(prev);
    if (keepsPrefixAfter(previous) || !sharesCasePrefix(r, previous)) return;
    if (isProperNoun(r)) {
        const auto capital =
            std::find_if(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
        text.erase(text.begin(), capital);
        return;
    }
    const WordAnalysis* partner = s.firstPartner(p);
    const bool firstWordOnly = partner && (partner->partOfSpeech == speech_type::Preposition ||
                                           partner->partOfSpeech == speech_type::Noun);
    const int length = prefixLength(text);
    // "ex omni ligno": "from" "with every" -> "from" "every"; a case prefix without its article
    // goes after a preposition.
    const bool bareAfterPreposition =
        previous.partOfSpeech == speech_type::Preposition && (length == 3 || length == 5);
    if (length == 2 || (length == 4 && isArticleBearer(previous)) || bareAfterPreposition) {
        text.erase(0, static_cast<std::size_t>(length));
    } else if (length == 9 || length == 7) {
        text.erase(0, firstWordOnly ? text.find(' ') + 1 : static_cast<std::size_t>(length));
    }
}

// `previous` is the previous slot as it was before its own trimming: "cum magna laude" is
// "with" "the large" "praise", the noun sharing the adjective's "with the".
void trimAgainstPrevious(PolishSentence& s, int p, int prev, std::string previous) {
    std::string text = s.text(p);
    const bool uncertain = removeLeading(text, "~");
    const WordAnalysis& r = s.reading(p);
    if (r.partOfSpeech == speech_type::Adjective && r.link1 < 0) {
        removeLeading(text, "the ");
    } else if (tiedToPrevious(s, p, prev)) {
        removeLeading(previous, "~");
        removeSharedStart(text, previous);
        removeOnePrefix(s, p, prev, text);
    }
    s.setText(p, (uncertain ? "~" : "") + text);
}

constexpr std::array<std::string_view, 5> kGerundivePrefixes = {"the ", "with the ", "to the ",
                                                                 "of the ", "O "};

}  // namespace

int partStart(const PolishSentence& s, int p) {
    int start = p;
    while (start > 0 && !endsPart(s.reading(start - 1))) --start;
    return start;
}

int partEnd(const PolishSentence& s, int p) {
    int end = p;
    while (end + 1 < s.size() && !endsPart(s.reading(end + 1))) ++end;
    return end;
}

namespace {

// The verb of the part around p whose person and number are those of the pronoun code; -1.
int verbOfPronoun(const PolishSentence& s, int p, int code) {
    for (int q = partStart(s, p); q <= partEnd(s, p); ++q) {
        const WordAnalysis& v = s.reading(q);
        if (isVerb(v) && personOf(v) + 16 * verbNumberOf(v) == code + 16) return q;
    }
    return -1;
}

// The pronoun at p is all its part holds, with no more than a conjunction before it.
bool standsAlone(const PolishSentence& s, int p) {
    const int start = partStart(s, p);
    return partEnd(s, p) == p &&
           (start == p || (start == p - 1 && s.reading(start).partOfSpeech == speech_type::Conjunction));
}

// The verb of inquam or aio ("inquit", "ait") that stands between quoted parts.
bool isVerbOfQuoting(const WordAnalysis& r) {
    const std::string_view stem = stemOf(r);
    return isVerb(r) && (stem == "inqu" || stem == "a" || stem == "ai");
}

// The first word after position p that is no punctuation mark; -1.
int nextWord(const PolishSentence& s, int p) {
    for (int q = p + 1; q < s.size(); ++q) {
        if (!isPunctuation(s.reading(q))) return q;
    }
    return -1;
}

constexpr std::array<std::string_view, 3> kVerbPronouns = {"I ", "we ", "you "};

// '"Ego," inquit, "non veniam."': the pronoun quoted on its own is the subject of the verb of
// the quoted words after "inquit", which takes no pronoun of its own ('"I," he said, "will not
// come."').
void dropPronounAfterQuotedSubject(PolishSentence& s, int p, int code) {
    const int quoting = nextWord(s, p);
    if (!standsAlone(s, p) || quoting < 0 || !isVerbOfQuoting(s.reading(quoting))) return;
    const int first = nextWord(s, quoting);
    if (first < 0 || first == quoting + 1) return;
    const int verb = verbOfPronoun(s, first, code);
    if (verb < 0 || s.isUserPhrase(verb)) return;
    std::string text = s.text(verb);
    for (std::string_view pronoun : kVerbPronouns) {
        if (removeLeading(text, pronoun)) break;
    }
    s.setText(verb, text);
}

}  // namespace

void emptyDoubledSubjectPronouns(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        const int code = subjectPronounCode(s.reading(p));
        if (code == 0 || s.isUserPhrase(p)) continue;
        if (verbOfPronoun(s, p, code) >= 0) {
            s.setText(p, "");
            continue;
        }
        // "Ego, inquit, non veniam" (the middle clause put last): a pronoun standing alone before
        // a comma is the subject of the verb that follows, which names it again; the pronoun
        // and the comma go ("I will not come", not "I, I will not come").
        dropPronounAfterQuotedSubject(s, p, code);
        const int comma = p + 1;
        if (!standsAlone(s, p) || !s.contains(comma + 1) || formOf(s.reading(comma)) != "," ||
            s.reading(comma + 1).partOfSpeech == speech_type::Conjunction ||
            verbOfPronoun(s, comma + 1, code) < 0) {
            continue;
        }
        s.setText(p, "");
        s.setText(comma, "");
    }
}

void removeDoubledPrefixes(PolishSentence& s) {
    int prev = 0;
    std::string previousText = s.text(0);
    for (int p = 1; p < s.size(); ++p) {
        const WordAnalysis& r = s.reading(p);
        if (isCopulaBe(r) && moodOf(r) != mood_type::Infinitive) continue;
        std::string untrimmed = s.text(p);
        if (!s.isUserPhrase(p) && !s.isUserPhrase(prev)) trimAgainstPrevious(s, p, prev, previousText);
        prev = p;
        previousText = std::move(untrimmed);
    }
}

void joinGerundiveMarkers(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        std::string text = s.text(p);
        const std::size_t marker = text.find("RTB ");
        if (marker == std::string::npos) continue;
        const std::string_view before = std::string_view(text).substr(0, marker);
        const bool prefixed = std::any_of(kGerundivePrefixes.begin(), kGerundivePrefixes.end(),
                                          [&](std::string_view x) { return before.ends_with(x); });
        if (!prefixed) continue;
        for (std::size_t i = marker + 4; i < text.size(); ++i) {
            if (text[i] == ' ') text[i] = '-';
        }
        s.setText(p, text);
    }
}

// "cum cithara et organo": "with the cithara and the organ", "of the heaven and the earth":
// the second of two nouns joined by "and" or "or" shares the first one's preposition.
void shareJoinedPrepositions(PolishSentence& s) {
    for (int j = 1; j + 1 < s.size(); ++j) {
        const WordAnalysis& joiner = s.reading(j);
        const bool joins = joiner.partOfSpeech == speech_type::Tackon ||
                           (joiner.partOfSpeech == speech_type::Conjunction && joiner.grammar5 == 2);
        const int a = joins ? s.positionOf(joiner.link1) : -1;
        const int b = joins ? s.positionOf(joiner.link2) : -1;
        if (a < 0 || b != j + 1 || a >= j || s.isUserPhrase(b) || !isNominal(s.reading(a)) ||
            !isNominal(s.reading(b)) || caseOf(s.reading(a)) != caseOf(s.reading(b))) {
            continue;
        }
        std::string first = s.text(a), second = s.text(b);
        removeLeading(first, "~");
        const bool uncertain = removeLeading(second, "~");
        const std::size_t length = static_cast<std::size_t>(prefixLength(second));
        const std::size_t word = second.find(' ');
        if (length == 0 || word + 1 >= length + 1 || first.compare(0, length, second, 0, length) != 0 ||
            second.starts_with("the ") || second.starts_with("O ")) {
            continue;
        }
        s.setText(b, (uncertain ? "~" : "") + second.substr(word + 1));
    }
}

}  // namespace kavro
