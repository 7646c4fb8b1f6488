// One sentence as polishing sees it: the chosen reading and the English slot of every word
// position, read and written within their bounds, and the ties between positions.
#pragma once

#include <string>
#include <string_view>

#include "core/analysis_record.h"
#include "english/chosen_reading.h"  // formOf

namespace kavro {

struct Engine;

class PolishSentence {
public:
    explicit PolishSentence(Engine& engine);

    Engine& engine() const { return engine_; }
    int size() const { return size_; }
    bool contains(int p) const { return p >= 0 && p < size_; }

    // The analysis index of position p's chosen reading, or -1 when it has none (a -1 entry, or
    // one outside the analysis table).
    int chosenIndex(int p) const;
    // Position p's chosen reading; an empty reading (part of speech 0, no partners) when none.
    const WordAnalysis& reading(int p) const;
    // The same for writing, or null when the position has no reading.
    WordAnalysis* editableReading(int p);
    // The analysis with this index, or null.
    const WordAnalysis* analysis(int index) const;
    // The position whose chosen reading is analysis `index`, or -1.
    int positionOf(int index) const;
    // Position p's first partner, or null; and the position holding it, or -1.
    const WordAnalysis* firstPartner(int p) const;
    int firstPartnerPosition(int p) const;
    // True when one of the two positions names the other's chosen reading as its first or
    // second partner.
    bool tied(int p, int q) const;
    // True when position p names position q's chosen reading as its first or second partner.
    bool pointsTo(int p, int q) const;

    // The slot text of position p (at most 80 characters; empty outside the sentence).
    std::string text(int p) const;
    // Replaces the slot text, cut to the slot's 80 characters.
    void setText(int p, std::string_view text);
    // A slot that a user phrase filled begins with "<".
    bool isUserPhrase(int p) const;

    // Exchanges positions p and p+1, or moves position a to b, each reading with its slot.
    void swap(int p);
    void move(int a, int b);

private:
    Engine& engine_;
    int size_;
};

// The dictionary meaning of a reading without its leading uncertain mark "~".
std::string_view meaningOf(const WordAnalysis& reading);
// The analysed form up to its first ".": "capt" for "capt.us".
std::string_view stemOf(const WordAnalysis& reading);

// The grammar bytes of a declined reading and of a verb reading, by name.
inline int caseOf(const WordAnalysis& r) { return r.grammar1; }
inline int numberOf(const WordAnalysis& r) { return r.grammar2; }
inline int genderOf(const WordAnalysis& r) { return r.grammar3; }
inline int tenseOf(const WordAnalysis& r) { return r.grammar1; }
inline int voiceOf(const WordAnalysis& r) { return r.grammar2; }
inline int moodOf(const WordAnalysis& r) { return r.grammar3; }
inline int personOf(const WordAnalysis& r) { return r.grammar4; }
inline int verbNumberOf(const WordAnalysis& r) { return r.grammar5; }

// Reading classes that several polishing rules share.
bool isVerb(const WordAnalysis& r);
bool isFiniteVerb(const WordAnalysis& r);       // a verb whose mood is below the infinitive
bool isCopulaBe(const WordAnalysis& r);          // a verb whose meaning is "be"
bool isPunctuation(const WordAnalysis& r);
bool isNominal(const WordAnalysis& r);           // noun, pronoun or substantive adjective
bool isPerfectPassiveParticiple(const WordAnalysis& r);
// A noun whose meaning begins with a capital letter.
bool isProperNoun(const WordAnalysis& r);

}  // namespace kavro
