// The topic of a sentence from its nouns: nature (air, water, sky ...) or people and money
// (father, son, silver, tax ...), which tips the choice between a few nouns of variable sense.
#include <array>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/choice_steps.h"

namespace kavro {
namespace {

constexpr std::array<std::string_view, 12> kNatureNouns = {
    "air", "breeze", "branch", "bush", "feather", "head", "medicine", "nature", "noise", "sky", "soul", "water"};
constexpr std::array<std::string_view, 12> kPeopleAndMoneyNouns = {
    "coin", "daughter", "father", "grandmother", "heir", "mother", "pound", "silver", "son", "statue", "tax", "temple"};

template <std::size_t N>
bool beginsWithAny(std::string_view text, const std::array<std::string_view, N>& list) {
    for (std::string_view w : list)
        if (text.starts_with(w)) return true;
    return false;
}

}  // namespace

std::int16_t findSentenceTopic(const Engine& e) {
    int nature = 0, people = 0;
    int countedWord = -1;
    for (int i = 0; i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a) || !isNoun(a) || a.wordPosition == countedWord) continue;
        const std::string_view english = englishOf(a);
        if (beginsWithAny(english, kNatureNouns)) ++nature;
        else if (beginsWithAny(english, kPeopleAndMoneyNouns)) ++people;
        else continue;
        countedWord = a.wordPosition;
    }
    if (nature == 0 && people == 0) return 0;
    return nature > people ? 1 : 2;
}

}  // namespace kavro
