// Tiny invented lexicons for the search tests: records are built field by field, and the
// letter index is derived from the sorted stems as the compiler derives it.
#pragma once

#include <algorithm>
#include <memory>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro::testing {

struct Ending {
    std::string_view text;
    std::uint8_t partOfSpeech;
    std::uint8_t which = 0;
    std::uint8_t variant = 0;
    std::uint8_t grammar1 = 0;   // case / tense
    std::uint8_t grammar2 = 0;   // number / voice
    std::uint8_t grammar3 = 0;   // gender / mood
    std::uint8_t grammar4 = 0;   // comparison / person / participle tense
    std::uint8_t stemKey = 1;
    std::uint8_t ageLevel = 0;
};

inline InflectionRecord makeInflection(const Ending& e) {
    InflectionRecord r{};
    r.partOfSpeech = e.partOfSpeech;
    r.which = e.which;
    r.variant = e.variant;
    r.grammar1 = e.grammar1;
    r.grammar2 = e.grammar2;
    r.grammar3 = e.grammar3;
    r.grammar4 = e.grammar4;
    r.stemKey = e.stemKey;
    r.ageLevel = e.ageLevel;
    copyField(r.ending, e.text);
    return r;
}

struct Stem {
    std::string_view text;
    std::uint8_t partOfSpeech;
    std::uint8_t which = 0;
    std::uint8_t variant = 0;
    std::uint8_t genderOrKind = 0;
    std::uint8_t sort = 0;
    std::uint8_t stemKey = 1;
    std::uint32_t meaningIndex = 0;
    std::uint8_t ageLevel = 0;
    std::uint8_t areaFrequency = 1;
    std::uint8_t numberRestriction = 0;
};

inline StemRecord makeStem(const Stem& s) {
    StemRecord r{};
    r.partOfSpeech = s.partOfSpeech;
    r.which = s.which;
    r.variant = s.variant;
    r.genderOrKind = s.genderOrKind;
    r.sort = s.sort;
    r.stemKey = s.stemKey;
    r.meaningIndex = s.meaningIndex;
    r.ageLevel = s.ageLevel;
    r.areaFrequency = s.areaFrequency;
    r.numberRestriction = s.numberRestriction;
    copyField(r.stem, s.text);
    return r;
}

inline MeaningRecord makeMeaning(std::string_view latin, std::string_view english) {
    MeaningRecord m{};
    copyField(m.latin, latin);
    copyField(m.english, english);
    return m;
}

// Sorts the stems stably by text and fills the letter index and the packed prefixes from them,
// as the loader does.
inline void indexStems(Lexicon& lexicon) {
    auto& stems = lexicon.stems;
    std::stable_sort(stems.begin(), stems.end(), [](const StemRecord& a, const StemRecord& b) {
        return fieldText(a.stem) < fieldText(b.stem);
    });
    for (int k = 0; k < kLetterIndexCount; ++k) {
        const char first = static_cast<char>('a' + k);
        const auto it = std::find_if(stems.begin(), stems.end(), [first](const StemRecord& r) {
            return static_cast<unsigned char>(r.stem[0]) >= static_cast<unsigned char>(first);
        });
        lexicon.letterIndex[k].firstRecord = static_cast<std::uint32_t>(it - stems.begin());
    }
    lexicon.stemRunsFitTempstems = stemRunsFitTempstems(stems);
    indexStemPrefixes(lexicon);
}

// An engine over a lexicon that the test fills, with a scripted host and a program folder.
struct TinyWorld {
    TempFolder folder;
    TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine =
        std::make_unique<Engine>(lexicon, options, host, folder.path());

    // Puts a stem in tempstems slot 0, as the caller of findInflections does.
    void offerStem(const Stem& s) {
        engine->tempstems[0] = makeStem(s);
        engine->tempstemCount = 1;
    }
    std::string_view inflectionEnding(int slot) const {
        return fieldText(engine->tempinflects[slot].ending);
    }
    std::string_view foundStem(int slot) const { return fieldText(engine->tempstems[slot].stem); }
};

}  // namespace kavro::testing
