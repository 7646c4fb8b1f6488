// dictUK.dat and transl.dat from the package's dictionary entries.
//
// One entry is a DICTFILE record together with the continuation records ("|...") that follow
// it with the same stems and grammar; its meanings become one line of English. Each entry gives
// one meanings record (the citation form and the English) and one StemRecord per present stem:
//   byte 0  part of speech (a verb's key-4 stem, the participle stem, is stored as 8)
//   byte 3  noun gender; adjective/adverb comparison; numeral sort; preposition case
//   byte 4  noun kind (engine numbering); pronoun kind; verb: verb part << 4 | verb kind;
//           a numeral's cardinal stem (key 1): the number its cardinal forms are read in,
//           1 (singular) for the numeral of value 1, else 2 (plural)
//   key     the stem slot, except one-stem adjectives (COMP 3, SUPER 4), adverbs (POS 1, COMP 2,
//           SUPER 3) and numerals (CARD 1, ORD 2, DIST 3, ADVERB 4); equal stems 1 and 2 of a
//           noun, adjective or verb give one record of key 0
//   byte 12 area << 4 | frequency (package positions); byte 13 the package age (0 X .. 8 H)
//   byte 38 2 for proper and place names that exist only in the plural ("(pl.)" in the first
//           meaning), else 0
// Stems are folded to i/u and sorted in plain byte order; the real empty stem (esse = "" +
// "esse") is stored as "." so that the analyser's "." split finds it.
// The PACK entries (the qu-/cu- stems of quidam, quisque, quicumque ... in all their kinds) get
// their meanings records but no stems: no inflection fits a PACK stem, the analyser reads
// those compounds from its own pronoun-compound table, and their 100-odd "qu" and "cu" records
// would overflow the 49 slots of tempstems on every qui, quae, quod.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/lexicon_records.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {

struct DictionaryEntry {
    const PackageEntry* head = nullptr;
    std::string english;             // all its meaning lines, joined, not yet cut
    std::size_t lines = 1;
};

struct CompiledDictionary {
    std::vector<StemRecord> stems;                          // sorted
    std::array<LetterIndex, kLetterIndexCount> letterIndex{};
    std::vector<MeaningRecord> meanings;                    // one per entry
    std::size_t packageRecords = 0;
    std::size_t continuationLines = 0;
    std::size_t mergedStems = 0;                            // key-0 records
    std::size_t shortenedMeanings = 0;
    std::size_t packEntries = 0;                            // meanings only, no stems
};

std::vector<DictionaryEntry> groupEntries(const std::vector<PackageEntry>& records);

// The stem records of one entry; a regular adjective entered in the positive only also gets its
// comparative (key 3) and superlative (key 4) stems.
std::vector<StemRecord> stemRecordsOf(const PackageEntry& entry, std::uint32_t meaningIndex);
MeaningRecord meaningRecordOf(const PackageEntry& entry, const std::string& english);
std::string citationOf(const PackageEntry& entry);

CompiledDictionary compileDictionary(const std::vector<PackageEntry>& records);

// Throws DataError unless the stems are in plain byte order and the letter index agrees.
void checkDictionaryOrder(const std::vector<StemRecord>& stems,
                          const std::array<LetterIndex, kLetterIndexCount>& index);

}  // namespace kavro::mkdata
