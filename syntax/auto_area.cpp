// Auto-area selection: after the choice of readings, the areas of the chosen readings are
// counted; an area that clearly dominates the sentence becomes the preferred one and the
// sentence is translated again under it. At the end of the job an area that dominated more than
// 40 % of the sentences is suggested.
#include "syntax/auto_area.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "core/engine.h"
#include "core/stages.h"
#include "morph/meanings.h"

namespace kavro {
namespace {

constexpr int kAreaIndexCount = 14;
// A winner needs a lead of more than this over the counts before it ...
constexpr int kClearLead = 2;
// ... and is cancelled by a later count more than this below it.
constexpr int kCloseCount = 2;
// Sentences without a clear area after which the preferred area returns to general.
constexpr int kUnclearLimit = 50;
// Share of the sentences above which an area is suggested.
constexpr double kSuggestionShare = 0.4;

// Display names by area index; empty where the index has no area of its own.
constexpr std::array<std::string_view, kAreaIndexCount> kAreaNames = {
    "General", "General", "Biological", "Theatre+", "Ecclesiastical", "Grammatical", "Legal",
    "",        "Scientific+", "",        "Military", "",         "Biological+", "Horticultural"};

static_assert(sizeof(ViewOptions{}.areaSentenceCounts) / sizeof(std::int16_t) == kAreaIndexCount);

// The counter index of an area letter; 0 for none and for 'M' and 'Z'.
int counterIndexOf(std::int16_t area) {
    switch (area) {
    case 'B': return 2;
    case 'D': return 3;
    case 'E': return 4;
    case 'G': return 5;
    case 'L': return 6;
    case 'S': return 8;
    case 'W': return 10;
    case 'H': return 13;
    default: return 0;
    }
}

}  // namespace

int dominantAreaIndex(const int (&counts)[kAreaIndexCount]) {
    int winner = -1;
    int lead = 0;
    for (int i = 1; i < kAreaIndexCount; ++i) {
        if (counts[i] > lead + kClearLead) {
            winner = i;
            lead = counts[i];
        } else if (counts[i] > lead - kCloseCount) {
            winner = -1;
        }
    }
    return winner;
}

void tallySentenceArea(Engine& engine) {
    engine.areaChanged = false;
    int counts[kAreaIndexCount] = {};
    const int positions = engine.wordCount < static_cast<int>(kChosenCapacity)
                              ? engine.wordCount : static_cast<int>(kChosenCapacity);
    for (int p = 0; p < positions; ++p) {
        const int index = engine.sentence.chosenAnalysis[p];
        if (index < 0 || index >= engine.analysisCount) continue;
        const int area = engine.wordAnalyses[index].subject;
        if (area < kAreaIndexCount) ++counts[area];
    }

    ViewOptions& o = engine.options;
    const int winner = dominantAreaIndex(counts);
    if (winner < 0) {
        if (++o.unclearAreaCount > kUnclearLimit) {
            o.area = 0;
            o.unclearAreaCount = 0;
        }
    } else {
        const char letter = kAreaLetters[static_cast<std::size_t>(winner)];
        if (letter != o.area) {
            if (letter == '-') {
                o.area = 0;
            } else {
                o.area = letter;
                engine.areaChanged = true;
            }
        }
    }
    ++o.areaSentenceCounts[counterIndexOf(o.area)];
}

void resetAutoArea(Engine& engine) {
    ViewOptions& o = engine.options;
    o.area = 0;
    o.unclearAreaCount = 0;
    for (std::int16_t& count : o.areaSentenceCounts) count = 0;
}

std::string autoAreaSuggestion(const ViewOptions& o) {
    int total = 0;
    for (const std::int16_t count : o.areaSentenceCounts) total += count;
    int best = -1;
    int bestCount = 0;
    for (int i = 1; i < kAreaIndexCount; ++i) {
        if (o.areaSentenceCounts[i] > bestCount) {
            best = i;
            bestCount = o.areaSentenceCounts[i];
        }
    }
    if (best < 0 || total == 0) return {};
    const double ratio = static_cast<double>(bestCount) / total;
    if (!(ratio > kSuggestionShare)) return {};
    char text[200];
    std::snprintf(text, sizeof text,
                  "At least %4.1f %% of sentences were of type %s.\nSuggest you re-translate with "
                  "this area selected.",
                  100.0 * ratio, std::string(kAreaNames[static_cast<std::size_t>(best)]).c_str());
    return text;
}

void reportAutoArea(Engine& engine) {
    const std::string text = autoAreaSuggestion(engine.options);
    if (!text.empty()) engine.host.message(text, BoxKind::Ok);
}

}  // namespace kavro
