// Every table loaded at start-up. Filled once by the loader, then read-only, so several
// engines may share one Lexicon.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

#include "job/lexicon_records.h"

namespace kavro {

// A table read as whole fixed records whose layout belongs to the Part that reads it.
struct RawTable {
    std::size_t recordSize = 0;
    std::vector<std::byte> bytes;

    std::size_t count() const { return recordSize ? bytes.size() / recordSize : 0; }
    bool empty() const { return count() == 0; }
    void clear() { bytes.clear(); }
    // The records as `Record`s; empty when the record size differs.
    template <class Record>
    std::span<const Record> as() const {
        static_assert(std::is_trivially_copyable_v<Record> && alignof(Record) == 1);
        if (sizeof(Record) != recordSize) return {};
        return {reinterpret_cast<const Record*>(bytes.data()), count()};
    }
};

struct Lexicon {
    std::vector<InflectionRecord> inflections;   // inflects.dat
    std::vector<StemRecord> stems;               // dictUK.dat, stem part
    std::array<LetterIndex, kLetterIndexCount> letterIndex{};
    std::vector<MeaningRecord> meanings;         // transl.dat
    std::vector<MeaningRecord> botanyMeanings;   // Botanytransl.dat (optional)
    std::vector<StemRecord> userStems;           // user dictionaries, sorted by stem
    std::vector<MeaningRecord> userMeanings;
    std::vector<AbbreviationRecord> abbreviations;  // UserAbbreviations.txt
    // Latin Standard Phrases of userphrases.txt, sorted by their words, and their letter index
    // (all zero when none were loaded, which the phrase pass reports at the first sentence).
    std::vector<StandardPhraseRecord> standardPhrases;
    std::array<PhraseIndexEntry, kLetterIndexCount> phraseIndex{};
    RawTable polish;            // polish.dat (PolishRecord)
    RawTable phrasePolish;      // phrasedud.dat (PhraseRecord)
    RawTable finalPolish;       // finalpolish.dat (FinalPolishRecord)
    RawTable addons;            // addons.dat
    RawTable uniques;           // uniques.dat
    RawTable phonetics;         // phoneticuk.dat; empty when unavailable (coded search then)
};

}  // namespace kavro
