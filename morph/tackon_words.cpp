// The tackon as a word of the sentence: the addon look-up, the token inserted after (or before)
// the word it came from, and the conjunction that a proper-name guess cut from its word.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/tackons.h"

namespace kavro {
namespace {

constexpr int kLastTokenCount = static_cast<int>(kTokenCapacity) - 1;
constexpr std::string_view kEmphatic = "EMPHATIC";
constexpr std::string_view kTooManyAddons = "Too many addon fields.\n";
// insertTackonWord keeps its work in the last addon slot, which the addon readings never reach.
constexpr int kConjunctionAddonSlot = static_cast<int>(kTempAddonCapacity) - 1;
static_assert(kConjunctionAddonSlot >= kMostAddonsOfOneKey);

}  // namespace

void announceFullSentence(Engine& engine, FullSentence what) {
    char text[kMessageBufferSize];
    if (what == FullSentence::CantAddTackon) {
        std::snprintf(text, sizeof text, "Exceeded limit %d of words in a sentence.\nCan't add TACKON.\n",
                      static_cast<int>(kTokenCapacity));
        engine.rationedWarning(text);
    } else {
        std::snprintf(text, sizeof text, "Exceeded limit %d of words in a sentence.\nTruncating sentence.\n",
                      static_cast<int>(kTokenCapacity));
        engine.log.write(text);
    }
}

int findAddons(Engine& engine, std::string_view key) {
    const auto addons = engine.lexicon.addons.as<AddonRecord>();
    engine.tempaddonCount = 0;
    if (addons.empty() || compareFieldText(addons.back().key, key) < 0) return 0;
    auto it = std::lower_bound(addons.begin(), addons.end(), key, [](const AddonRecord& r, std::string_view k) {
        return compareFieldText(r.key, k) < 0;
    });
    int count = 0;
    for (; it != addons.end() && compareFieldText(it->key, key) == 0; ++it) {
        if (count == kMostAddonsOfOneKey) {   // the compiler keeps fewer
            engine.rationedWarning(kTooManyAddons);
            break;
        }
        AddonRecord& slot = engine.tempaddons[count++];
        slot = *it;
        if (fieldText(slot.english) == kEmphatic) slot.english[0] = '\0';
    }
    engine.tempaddonCount = count;
    return count;
}

bool insertToken(Engine& engine, int position, std::string_view text) {
    if (engine.tokenCount >= kLastTokenCount || position < 0 || position > engine.tokenCount)
        return false;
    for (int i = engine.tokenCount; i > position; --i)
        std::memcpy(engine.sentenceTokens[i], engine.sentenceTokens[i - 1], sizeof(TokenText));
    copyField(engine.sentenceTokens[position], text);
    ++engine.tokenCount;
    return true;
}

bool insertTackonWord(Engine& engine, TackonWord which) {
    if (!insertToken(engine, engine.tokenIndex + 1, which == TackonWord::Que ? "que" : "ne")) {
        announceFullSentence(engine, FullSentence::TruncatingSentence);
        return false;
    }
    constexpr int slot = kConjunctionAddonSlot;
    const StemRecord savedStem = engine.tempstems[0];
    const InflectionRecord savedInflection = engine.tempinflects[0];
    const AddonRecord savedAddon = engine.tempaddons[slot];

    const bool que = which == TackonWord::Que;
    StemRecord stem{};
    stem.partOfSpeech = speech_type::Conjunction;
    stem.which = que ? 1 : 2;
    stem.stemKey = 1;
    stem.areaFrequency = kTackonFrequency;
    copyField(stem.stem, que ? "que" : "ne");
    InflectionRecord infl{};
    infl.partOfSpeech = speech_type::Conjunction;
    infl.which = stem.which;
    infl.stemKey = 1;
    AddonRecord addon{};
    addon.unused0 = speech_type::Conjunction;
    copyField(addon.key, stem.stem);
    copyField(addon.english, que ? "and" : "is it not that");
    engine.tempstems[0] = stem;
    engine.tempinflects[0] = infl;
    engine.tempaddons[slot] = addon;
    ++engine.tokenIndex;
    emitAnalysis(engine, 0, 0, slot, source_kind::Addon);
    ++engine.groupNumber;

    engine.tempstems[0] = savedStem;
    engine.tempinflects[0] = savedInflection;
    engine.tempaddons[slot] = savedAddon;
    return true;
}

}  // namespace kavro
