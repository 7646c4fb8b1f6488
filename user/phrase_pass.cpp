// The standard-phrase pass over a translated sentence: finds the stored phrases among the chosen
// readings and puts their English into the English slots of the words they cover.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "user/phrase_english.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

constexpr char kNoIndexEntry[] =
    "There must be an entry for 'z' in your list of user LSPs!\n LSPs cancelled.";
constexpr int kVerbMarked = 77;  // a verb reading set apart by polishing
constexpr std::size_t kMarkedEnglishMax = kEnglishSlotSize - 3;  // room for "<" and ">"
// Words that may stand between the noun and the verb of a two-word verb phrase ("gratias tibi
// agimus", "gratias maximas agunt").
constexpr int kVerbPhraseGap = 3;
constexpr int kJoiningConjunction = 2;   // grammar 5 of a conjunction that joins two words

// The word positions a matched phrase covers, in the order of the phrase's words.
struct PhraseSpan {
    std::array<int, kPhraseWordMax> at{};
    int count = 0;

    static PhraseSpan contiguous(int first, int count) {
        PhraseSpan span;
        span.count = count;
        for (int k = 0; k < count; ++k) span.at[static_cast<std::size_t>(k)] = first + k;
        return span;
    }
    int operator[](int k) const { return at[static_cast<std::size_t>(k)]; }
};

// Every key comes from a 24-byte field of the reading and is at most that long.
constexpr std::size_t kKeySize = sizeof(WordAnalysis::analysedForm);
static_assert(sizeof(WordAnalysis::latinDetail) == kKeySize);

// One text a reading is matched by, held in place: keys are built for every word of a sentence.
class KeyText {
public:
    void append(char c) {
        if (size_ < text_.size()) text_[size_++] = c;
    }
    std::string_view view() const { return {text_.data(), size_}; }

private:
    std::array<char, kKeySize> text_;   // the first size_ characters hold the key
    std::size_t size_ = 0;
};

// The texts a reading is matched by, in lower case with j and v read as i and u.
struct ReadingKeys {
    KeyText plain;   // the word as it stands: the analysed form without its full stop
    KeyText form;    // the analysed form, "popul.us"
    KeyText stem;    // the analysed form cut after its full stop, "popul."
    KeyText detail;  // the Latin detail without its full stop (a verb's infinitive)
};

char foldLetter(char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == 'j') return 'i';
    if (c == 'v') return 'u';
    return c;
}

// A form without the brackets of a word not found and without leading full stops.
std::string_view cleanForm(std::string_view text) {
    if (text.starts_with('[')) {
        text.remove_prefix(1);
        if (text.ends_with(']')) text.remove_suffix(1);
    }
    while (text.starts_with('.')) text.remove_prefix(1);
    return text;
}

// Appends `text` folded, without its first full stop when `dropFullStop`.
void appendFolded(KeyText& key, std::string_view text, bool dropFullStop) {
    for (const char c : text) {
        if (dropFullStop && c == '.') {
            dropFullStop = false;
            continue;
        }
        key.append(foldLetter(c));
    }
}

ReadingKeys keysOf(const WordAnalysis& reading) {
    ReadingKeys keys;
    const std::string_view form = cleanForm(fieldText(reading.analysedForm));
    appendFolded(keys.form, form, false);
    appendFolded(keys.plain, form, true);
    const std::size_t stop = form.find('.');
    if (stop != std::string_view::npos) appendFolded(keys.stem, form.substr(0, stop + 1), false);
    appendFolded(keys.detail, cleanForm(fieldText(reading.latinDetail)), true);
    return keys;
}

bool isVerb(const WordAnalysis* reading) {
    return reading &&
           (reading->partOfSpeech == speech_type::Verb || reading->partOfSpeech == kVerbMarked);
}

bool isFiniteVerb(const WordAnalysis* reading) {
    return isVerb(reading) && reading->grammar3 >= mood_type::Indicative &&
           reading->grammar3 <= mood_type::Imperative;
}

ClauseVerb factsOf(const WordAnalysis& verb) {
    ClauseVerb facts;
    facts.infinitive = verb.grammar3 == mood_type::Infinitive;
    if (isFiniteVerb(&verb)) {
        facts.person = verb.grammar4;
        facts.number = verb.grammar5;
    }
    return facts;
}

// A phrase word against a reading: a word with a full stop against the analysed form (a word
// ending in the full stop against the stem); any other against the word as it stands or, for a
// verb or on the first word's retry, the Latin detail.
bool wordMatches(std::string_view word, const ReadingKeys& keys, bool withDetail) {
    if (word.find('.') != std::string_view::npos)
        return word == keys.form.view() || (word.ends_with('.') && word == keys.stem.view());
    const std::string_view detail = keys.detail.view();
    return word == keys.plain.view() || (withDetail && !detail.empty() && word == detail);
}

// Carets mark the verb of a phrase for polishing, which removes the first one of a verb's slot.
void settleCarets(std::string& text, bool keepFirst) {
    std::size_t from = 0;
    if (keepFirst) {
        const std::size_t first = text.find('^');
        if (first == std::string::npos) return;
        from = first + 1;
    }
    for (std::size_t at; (at = text.find('^', from)) != std::string::npos;) text.erase(at, 1);
}

class PhrasePass {
public:
    explicit PhrasePass(Engine& engine)
        : engine_(engine),
          tables_(engine.sentence),
          words_(std::clamp(engine.wordCount, 0, static_cast<int>(kTokenCapacity))),
          keys_(static_cast<std::size_t>(words_)) {}

    // The two-word verb phrases first, so that no other phrase takes their noun ("Deo gratias
    // agamus": "let us give thanks to God", not "thanks be to God"), then the others.
    void run() {
        covered_.assign(static_cast<std::size_t>(words_), false);
        for (int i = 0; i < words_; ++i) {
            if (!covered_[static_cast<std::size_t>(i)] && wordReading(i)) matchVerbPhraseAt(i);
        }
        for (int i = 0; i < words_;) {
            const int covered = skipPosition(i) ? 0 : matchAt(i);
            i += std::max(covered, 1);
        }
    }

private:
    // The chosen reading of a word position, or null.
    const WordAnalysis* reading(int position) const {
        if (position < 0 || position >= words_) return nullptr;
        const int index = tables_.chosenAnalysis[position];
        if (index < 0 || index >= engine_.analysisCount) return nullptr;
        return &engine_.wordAnalyses[index];
    }

    // A reading that can be part of a phrase: not punctuation, not deleted or set aside.
    const WordAnalysis* wordReading(int position) const {
        const WordAnalysis* r = reading(position);
        if (!r || r->partOfSpeech == speech_type::Punctuation ||
            r->partOfSpeech == speech_type::DeletedAi ||
            r->partOfSpeech == speech_type::DeletedGram)
            return nullptr;
        return r;
    }

    // A phrase does not start at a word whose next slot was emptied (the next word already went
    // into this one), nor at "be" after a participle (a compound tense).
    bool skipPosition(int i) const {
        const WordAnalysis* r = wordReading(i);
        if (!r || covered_[static_cast<std::size_t>(i)]) return true;
        if (i + 1 < words_ && tables_.englishSlots[i + 1][0] == '\0') return true;
        const WordAnalysis* previous = reading(i - 1);
        return previous && previous->partOfSpeech == speech_type::Participle &&
               fieldText(r->english) == "be";
    }

    // The keys of the word reading at `position` (which has one), built once for the pass:
    // the readings stay as they are while the phrases are placed.
    const ReadingKeys& keysAt(int position) const {
        std::optional<ReadingKeys>& keys = keys_[static_cast<std::size_t>(position)];
        if (!keys) keys = keysOf(*wordReading(position));
        return *keys;
    }

    // Tries the phrases that begin with the word at i; returns the positions covered.
    int matchAt(int i) {
        const ReadingKeys& keys = keysAt(i);
        const std::string_view tries[] = {keys.plain.view(), keys.form.view(), keys.stem.view(),
                                          keys.detail.view()};
        // The longest phrase that matches wins ("opus est mihi" before "opus est"); of equal
        // length, the first found.
        const StandardPhraseRecord* best = nullptr;
        int bestCount = 0;
        for (std::size_t t = 0; t < std::size(tries); ++t) {
            if (tries[t].empty() || std::find(tries, tries + t, tries[t]) != tries + t) continue;
            for (const StandardPhraseRecord& phrase :
                 phrasesStartingWith(engine_.lexicon, tries[t])) {
                const int count = phraseWordCount(phrase);
                if (count > bestCount && matchesFollowingWords(phrase, i, count)) {
                    best = &phrase;
                    bestCount = count;
                }
            }
        }
        if (best) applyPhrase(*best, PhraseSpan::contiguous(i, bestCount));
        return bestCount;
    }

    bool matchesFollowingWords(const StandardPhraseRecord& phrase, int i, int count) const {
        for (int k = 1; k < count; ++k) {
            const WordAnalysis* r = wordReading(i + k);
            if (!r || covered_[static_cast<std::size_t>(i + k)] ||
                !wordMatches(fieldText(phrase.words[k]), keysAt(i + k), isVerb(r)))
                return false;
        }
        return true;
    }

    // A phrase of a noun and a verb whose English is a verb phrase ("gratias agere/INF2, 2 to
    // give thanks").
    static bool isTwoWordVerbPhrase(const StandardPhraseRecord& phrase) {
        const InfinitivePhrase numbers = infinitivePhraseNumbers(fieldText(phrase.english));
        return phraseWordCount(phrase) == 2 && numbers.verbWord == 2 && numbers.receivingWord == 2;
    }

    // A word that ends the stretch a verb phrase may span: a mark, or a conjunction that does
    // not join two words.
    bool endsStretch(int position) const {
        const WordAnalysis* r = reading(position);
        return !r || r->partOfSpeech == speech_type::Punctuation ||
               (r->partOfSpeech == speech_type::Conjunction && r->grammar5 != kJoiningConjunction);
    }

    // The verb of the phrase's second word within the gap before or after the noun at i; -1.
    int verbNear(const StandardPhraseRecord& phrase, int i) const {
        for (int step : {+1, -1}) {
            for (int j = i + step, n = 0; j >= 0 && j < words_ && n <= kVerbPhraseGap && !endsStretch(j);
                 j += step, ++n) {
                const WordAnalysis* r = wordReading(j);
                if (r && !covered_[static_cast<std::size_t>(j)] && isFiniteVerb(r) &&
                    wordMatches(fieldText(phrase.words[1]), keysAt(j), true))
                    return j;
            }
        }
        return -1;
    }

    // A word of the sentence that qualifies the noun at i ("castra sua", "iter prosperum"):
    // the noun is then meant in its own sense, not as part of an idiom.
    bool isQualified(int i) const {
        const int noun = tables_.chosenAnalysis[i];
        for (int q = 0; q < words_; ++q) {
            const WordAnalysis* r = wordReading(q);
            if (q == i || !r || (r->link1 != noun && r->link2 != noun)) continue;
            switch (r->partOfSpeech) {
            case speech_type::Adjective:
            case speech_type::Participle:
            case speech_type::Pronoun:
            case speech_type::Numeral: return true;
            default: break;
            }
        }
        return false;
    }

    // The two-word verb phrases whose noun stands at i, its verb near it on either side.
    void matchVerbPhraseAt(int i) {
        if (isQualified(i)) return;
        const ReadingKeys& keys = keysAt(i);
        const std::string_view tries[] = {keys.plain.view(), keys.form.view(), keys.stem.view()};
        for (std::size_t t = 0; t < std::size(tries); ++t) {
            if (tries[t].empty() || std::find(tries, tries + t, tries[t]) != tries + t) continue;
            for (const StandardPhraseRecord& phrase : phrasesStartingWith(engine_.lexicon, tries[t])) {
                if (!isTwoWordVerbPhrase(phrase)) continue;
                const int verb = verbNear(phrase, i);
                if (verb < 0) continue;
                PhraseSpan span;
                span.count = 2;
                span.at = {i, verb};
                applyPhrase(phrase, span);
                return;
            }
        }
    }

    // The verb whose person and number settle the phrase: a verb the phrase covers, else the
    // first finite verb of the clause that holds the phrase (of the sentence when no clause does).
    ClauseVerb clauseVerb(const PhraseSpan& span) const {
        for (int k = 0; k < span.count; ++k) {
            if (isVerb(reading(span[k]))) return factsOf(*reading(span[k]));
        }
        int start = 0, end = engine_.analysisCount - 1;
        const int analysis = tables_.chosenAnalysis[span[0]];
        const int clauses =
            std::clamp(tables_.clauses.clauseCount, 0, static_cast<int>(kClauseCapacity));
        for (int c = 0; c < clauses; ++c) {
            if (tables_.clauses.clauseStart[c] <= analysis &&
                analysis <= tables_.clauses.clauseEnd[c]) {
                start = tables_.clauses.clauseStart[c];
                end = tables_.clauses.clauseEnd[c];
                break;
            }
        }
        for (int p = 0; p < words_; ++p) {
            const int a = tables_.chosenAnalysis[p];
            if (a >= start && a <= end && isFiniteVerb(reading(p))) return factsOf(*reading(p));
        }
        return {};
    }

    std::string phraseEnglish(std::string_view english, const PhraseSpan& span, int& receiving) const {
        ClauseVerb verb = clauseVerb(span);
        receiving = span[0];
        const InfinitivePhrase numbers = infinitivePhraseNumbers(english);
        if (numbers.verbWord == 0 || numbers.verbWord > span.count || numbers.receivingWord > span.count)
            return adaptPhraseEnglish(english, verb);
        const int verbPosition = span[numbers.verbWord - 1];
        receiving = span[numbers.receivingWord - 1];
        const WordAnalysis* verbReading = reading(verbPosition);
        if (!isVerb(verbReading))
            return adaptPhraseEnglish("to " + std::string(numbers.infinitive), verb);
        verb = factsOf(*verbReading);
        const std::string conjugated = conjugateInfinitivePhrase(
            fieldText(tables_.englishSlots[verbPosition]), numbers.infinitive);
        return adaptPhraseEnglish(conjugated, verb);
    }

    void applyPhrase(const StandardPhraseRecord& phrase, const PhraseSpan& span) {
        int receiving = span[0];
        std::string text = phraseEnglish(fieldText(phrase.english), span, receiving);
        settleCarets(text, isVerb(reading(receiving)));
        // Marked whether or not the phrases are shown, so that polishing treats the slot alike
        // either way; the final line drops the marks when they are not shown.
        if (text.size() > kMarkedEnglishMax) text.resize(kMarkedEnglishMax);
        text = "<" + text + ">";
        for (int k = 0; k < span.count; ++k) {
            tables_.englishSlots[span[k]][0] = '\0';
            covered_[static_cast<std::size_t>(span[k])] = true;
        }
        copyField(tables_.englishSlots[receiving], text);
    }

    Engine& engine_;
    SentenceTables& tables_;
    const int words_;
    mutable std::vector<std::optional<ReadingKeys>> keys_;   // by word position, as needed
    std::vector<bool> covered_;                               // positions a phrase took
};

}  // namespace

void applyStandardPhrases(Engine& engine) {
    if (engine.lexicon.phraseIndex[kPhraseIndexClosing].firstPhrase == 0) {
        engine.host.message(kNoIndexEntry, BoxKind::Ok);
        engine.options.allowUserPhrases = false;
        return;
    }
    PhrasePass(engine).run();
}

}  // namespace kavro
