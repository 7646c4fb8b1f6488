// Every table loaded at start-up. Filled once by the loader, then read-only, so several
// engines may share one Lexicon.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <span>
#include <type_traits>
#include <vector>

#include "core/high_speed_hash.h"
#include "core/lexicon_records.h"
#include "core/sense_records.h"

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

// One ending of the inflection table and the run of its records (see Lexicon::endingRuns).
struct EndingRunSlot {
    std::uint64_t ending = 0;   // as packEnding gives it
    std::uint32_t first = 0;
    std::uint32_t count = 0;    // 0: an unused slot
};

struct Lexicon {
    std::vector<InflectionRecord> inflections;   // inflects.dat
    // Hash table of the distinct endings of `inflections` and their runs of records, built by
    // indexEndingRuns and read by endingRunOf: the ending search asks it for every split of
    // every word. Empty when not built, or when the records are not in the order of their
    // endings and, within one ending, of their parts of speech (the search then bisects the
    // records).
    std::vector<EndingRunSlot> endingRuns;
    std::vector<StemRecord> stems;               // dictUK.dat, stem part
    std::array<LetterIndex, kLetterIndexCount> letterIndex{};
    // True when no stem text has as many records as the work table tempstems holds (see
    // stemRunsFitTempstems): a stem search can then never warn that the table is full, so word
    // analysis may leave out the searches whose readings could not come about anyway.
    bool stemRunsFitTempstems = false;
    // The first eight bytes of each stem's text as packEnding gives them, in the stems' order,
    // built by indexStemPrefixes: the stem searches bisect these dense numbers instead of the
    // 40-byte records. Empty when not built (the searches then bisect the records).
    std::vector<std::uint64_t> stemPrefixes;
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
    // uniqueheads.dat; empty when absent (the irregular forms then cite themselves)
    std::vector<UniqueHeadwordRecord> uniqueHeadwords;
    // senses.dat and names.dat: the learned senses of dictionary entries (sorted by meaning
    // record) and the English forms of proper names (sorted by form); empty when absent.
    std::vector<SenseChoiceRecord> senseChoices;
    std::vector<NameRecord> names;
    RawTable phonetics;         // phoneticuk.dat; empty when unavailable (coded search then)
    HighSpeedHash hash;         // fixedhashfile.dat and its index of forms (empty when off)
};

// An ending of at most eight bytes as a big-endian number, zero after its end: endings in
// byte order have these numbers in ascending order.
std::uint64_t packEnding(std::string_view ending);

// Fills lexicon.endingRuns from lexicon.inflections (leaves it empty when the records are not
// in the order of their endings, then parts of speech).
void indexEndingRuns(Lexicon& lexicon);

// The records of lexicon.inflections whose ending is `ending`, through lexicon.endingRuns
// (which must not be empty); empty when there are none or `ending` cannot be an ending.
std::span<const InflectionRecord> endingRunOf(const Lexicon& lexicon, std::string_view ending);

// True when no run of records with one stem text (the records are in the order of their
// texts) is as long as kTempStemCapacity.
bool stemRunsFitTempstems(const std::vector<StemRecord>& stems);

// Fills lexicon.stemPrefixes from lexicon.stems.
void indexStemPrefixes(Lexicon& lexicon);

}  // namespace kavro
