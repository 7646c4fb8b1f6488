#include "morph/short_meanings.h"

#include "core/engine.h"
#include "morph/analysis_emit.h"
#include "morph/meaning_senses.h"
#include "morph/meanings.h"

namespace kavro {
namespace {

// The meaning cut at its first "/"; a modified stem keeps the "-suffix" from behind the "/".
void cutUnusedMeaning(std::string& english, int kind) {
    const std::size_t slash = english.find('/');
    if (slash == std::string::npos) return;
    if (kind == source_kind::ModifiedStem) {
        const std::size_t dash = english.rfind('-');
        if (dash != std::string::npos && dash > slash) {
            english.erase(slash, dash - slash);
            return;
        }
    }
    english.resize(slash);
}

// Whether the short meaning of the entry behind `stem` is kept: only those of plain
// dictionary readings of the general meanings table are (a spelling variant's meaning carries
// "~", user and botany entries have tables of their own).
bool isKept(const Engine& engine, const StemRecord& stem, int kind) {
    return kind == source_kind::Dictionary && !isUserEntry(stem) && !isBotanyEntry(stem) &&
           stem.meaningIndex < engine.lexicon.meanings.size();
}

// The cache slot of the entry behind `stem`, or null when its short meaning is not kept.
CachedShortMeaning* slotFor(Engine& engine, const StemRecord& stem, int kind) {
    if (!isKept(engine, stem, kind)) return nullptr;
    const std::size_t records = engine.lexicon.meanings.size();
    if (engine.shortMeanings.size() != records) engine.shortMeanings.reset(records);
    return &engine.shortMeanings[stem.meaningIndex];
}

// Whether the sense table may choose the reading's sense: readings whose English is their
// entry's in the general meanings table.
bool takesLearnedSense(const StemRecord& stem, int kind) {
    return (kind == source_kind::Dictionary || kind == source_kind::SpellingVariant) &&
           !isUserEntry(stem) && !isBotanyEntry(stem);
}

// What a cut depends on besides the record: the area option and the two subjects.
struct CutKey {
    int area;
    int readingSubject;
    int entrySubject;
};

bool holdsCut(const CachedShortMeaning& slot, const CutKey& key) {
    return slot.filled && slot.area == key.area && slot.readingSubject == key.readingSubject &&
           slot.entrySubject == key.entrySubject;
}

void keepCut(CachedShortMeaning& slot, const CutKey& key, int areaTaken, const std::string& english) {
    if (english.size() > CachedShortMeaning::kTextSize) return;
    slot.filled = true;
    slot.area = static_cast<std::int16_t>(key.area);
    slot.readingSubject = static_cast<std::uint8_t>(key.readingSubject);
    slot.entrySubject = static_cast<std::uint8_t>(key.entrySubject);
    slot.areaTaken = static_cast<std::uint8_t>(areaTaken);
    slot.length = static_cast<std::uint8_t>(english.size());
    english.copy(slot.text, english.size());
}

}  // namespace

bool holdsShortMeaning(const Engine& engine, const StemRecord& stem, int kind, int readingSubject) {
    if (!isKept(engine, stem, kind) || engine.shortMeanings.size() != engine.lexicon.meanings.size())
        return false;
    const CutKey key{engine.options.area, readingSubject, subjectOf(stem)};
    return holdsCut(engine.shortMeanings[stem.meaningIndex], key);
}

int cutShortMeaning(Engine& engine, const StemRecord& stem, int kind, int readingSubject,
                    std::string& english) {
    const CutKey key{engine.options.area, readingSubject, subjectOf(stem)};
    CachedShortMeaning* slot = slotFor(engine, stem, kind);
    if (slot && holdsCut(*slot, key)) {
        english.assign(slot->text, slot->length);
        return slot->areaTaken;
    }
    const int taken = selectAreaMeaning(english, key.area, key.readingSubject, subjectOf(stem));
    dropParentheticals(english);
    if (takesLearnedSense(stem, kind)) takeUsualSense(engine.lexicon, stem.meaningIndex, english);
    cutUnusedMeaning(english, kind);
    keepFirstSense(english);
    if (slot) keepCut(*slot, key, taken, english);
    return taken;
}

}  // namespace kavro
