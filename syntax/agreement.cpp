// Agreement of two readings, and the rarity of a reading under the preferred area and age.
#include "morph/meanings.h"
#include "syntax/analysis_access.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

// Stem class of the personal pronouns of the first and second person plural (nos, uos).
constexpr std::int16_t kPluralPersonalPronounClass = 5 * 16 + 3;
// Second stem-class values that let two pronouns in a row agree (a pronoun leading one that
// continues it, as in "is qui").
constexpr std::int16_t kLeadingPronounClass2 = 4;
constexpr std::int16_t kFollowingPronounClass2 = 1;

// COMMON agrees with anything but neuter, masculine-or-neuter with anything but feminine.
bool gendersClash(int a, int b) {
    if (a == 0 || b == 0 || a == b) return false;
    if (a == gender_type::Common || b == gender_type::Common)
        return a == gender_type::Neuter || b == gender_type::Neuter;
    if (a == gender_type::MascNeuter || b == gender_type::MascNeuter)
        return a == gender_type::Feminine || b == gender_type::Feminine;
    return true;
}

bool pronounsCannotAgree(const WordAnalysis& a, const WordAnalysis& b) {
    if (!isPronoun(a) || !isPronoun(b)) return false;
    return b.wordPosition != a.wordPosition + 1 ||
           (a.stemClass2 != kLeadingPronounClass2 && b.stemClass2 != kFollowingPronounClass2) ||
           a.stemClass == kPluralPersonalPronounClass || b.stemClass == kPluralPersonalPronounClass;
}

bool partnerInWordOf(const Engine& e, int partner, const WordAnalysis& other) {
    return validIndex(e, partner) && e.wordAnalyses[partner].wordPosition == other.wordPosition;
}

}  // namespace

char areaLetterOf(const WordAnalysis& r) {
    return r.subject < kAreaLetters.size() ? kAreaLetters[r.subject] : '?';
}

bool agrees(const Engine& e, int ia, int ib) {
    if (!validIndex(e, ia) || !validIndex(e, ib)) return false;
    const WordAnalysis& a = e.wordAnalyses[ia];
    const WordAnalysis& b = e.wordAnalyses[ib];
    if (a.grammar1 != 0 && b.grammar1 != 0 && a.grammar1 != b.grammar1) return false;
    if (a.grammar1 == case_type::Invariable || b.grammar1 == case_type::Invariable) return false;
    if (pronounsCannotAgree(a, b)) return false;
    if (partnerInWordOf(e, a.link1, b) || partnerInWordOf(e, b.link1, a)) return false;
    if (gendersClash(a.grammar3, b.grammar3)) return false;
    if (a.grammar2 != 0 && b.grammar2 != 0 && a.grammar2 != b.grammar2) return false;
    if (b.link1 < 0 || partnerInWordOf(e, b.link1, a)) return true;
    for (const int partner : {b.link1, b.link2}) {
        if (!validIndex(e, partner)) continue;
        const WordAnalysis& p = e.wordAnalyses[partner];
        if (p.partOfSpeech == a.partOfSpeech && formOf(p) == formOf(a)) return false;
    }
    return true;
}

int rarityOf(const WordAnalysis& r, const ViewOptions& options) {
    const int m = r.rarity;
    char letter = areaLetterOf(r);
    if (letter == '-' && m == 15) letter = 'Z';
    if (letter == options.area) return 0;
    if (options.area == 'H' && (letter == 'S' || letter == 'T' || letter == 'Z')) return 0;
    if (options.age == kAgeAll && m == 15) return 3;
    return m;
}

}  // namespace kavro
