// Fixed records of the compiled lexicon files. Files are read and written as whole records.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace kavro {

static_assert(std::endian::native == std::endian::little);

#pragma pack(push, 1)

// dictUK.dat: one record per stem of a dictionary entry, sorted by stem in byte order.
struct StemRecord {
    std::uint8_t partOfSpeech;    // low five bits: speech_type; upper bits: SADJ/ADV subtype
    std::uint8_t which;           // declension or conjugation; 0 takes any
    std::uint8_t variant;         // 0 takes any
    std::uint8_t genderOrKind;    // nouns: gender; adverbs: comparison; prepositions: case
    std::uint8_t sort;            // nouns: noun kind; verbs: part<<4 | kind
    std::uint8_t stemKey;         // 1..4; 0 takes endings of keys 0, 1 and 2
    std::uint8_t unused6[2];
    std::uint32_t meaningIndex;   // record in transl.dat; >= 1000000 for user entries
    std::uint8_t areaFrequency;   // high four bits subject code, low four bits frequency class
    std::uint8_t ageLevel;        // 20 is shown and copied as 6
    char stem[24];                // at most 23 letters
    std::uint8_t numberRestriction;
    std::uint8_t extra;
};
static_assert(sizeof(StemRecord) == 40);
static_assert(offsetof(StemRecord, meaningIndex) == 8);
static_assert(offsetof(StemRecord, areaFrequency) == 12);
static_assert(offsetof(StemRecord, stem) == 14);
static_assert(offsetof(StemRecord, numberRestriction) == 38);

// The 27 records that follow the stems in dictUK.dat.
struct LetterIndex {
    char unused[80];
    std::uint32_t firstRecord;    // first stem beginning with 'a' + k; entry 26 is the end
};
static_assert(sizeof(LetterIndex) == 84);

// inflects.dat: sorted by ending (byte order, "" first), then part of speech.
struct InflectionRecord {
    std::uint8_t partOfSpeech;
    std::uint8_t which;
    std::uint8_t variant;
    std::uint8_t grammar1;        // case; verbs: tense
    std::uint8_t grammar2;        // number; verbs: voice
    std::uint8_t grammar3;        // gender; verbs: mood
    std::uint8_t grammar4;        // verbs: person; participles: tense; adj/adv: comparison
    std::uint8_t grammar5;        // verbs: number; participles: voice
    std::uint8_t grammar6;        // participles: mood
    std::uint8_t stemKey;
    std::uint8_t ageLevel;
    std::uint8_t rarityStep;
    char ending[8];               // at most 7 letters
};
static_assert(sizeof(InflectionRecord) == 20);
static_assert(offsetof(InflectionRecord, ending) == 12);

// transl.dat / Botanytransl.dat: the citation form and the English of one entry.
struct MeaningRecord {
    char latin[80];
    char english[80];
};
static_assert(sizeof(MeaningRecord) == 160);

// UserAbbreviations.txt: one abbreviation and the text it stands for.
struct AbbreviationRecord {
    char abbreviation[10];        // at most 9 characters
    char expansion[24];           // at most 23 characters
    std::int16_t length;          // characters of the abbreviation
};
static_assert(sizeof(AbbreviationRecord) == 36);

// addons.dat (sorted by key): a tackon with the base it attaches to; also the record of the
// tempaddons work table, which carries the texts of addon readings into their analyses.
struct AddonRecord {
    std::uint8_t unused0;
    std::uint8_t kind1;           // the tackon's stem byte 3
    std::uint8_t kind2;           // the tackon's stem byte 4 and inflection byte 3
    std::uint8_t basePartOfSpeech;  // 0 = any
    std::uint8_t baseWhich;       // 0 = any; also the tackon's which
    std::uint8_t baseVariant;     // 0 = any; also the tackon's variant
    std::uint8_t unused6;
    std::uint8_t moveFlag;        // non-zero: the tackon's reading goes before its word's
    char key[20];
    char english[80];
};
static_assert(sizeof(AddonRecord) == 108);
static_assert(offsetof(AddonRecord, key) == 8);
static_assert(offsetof(AddonRecord, english) == 28);

// uniques.dat (sorted by form): an irregular form kept whole, with its grammar.
struct UniqueRecord {
    std::uint8_t partOfSpeech;
    std::uint8_t which;
    std::uint8_t variant;
    std::uint8_t grammar[6];      // as inflection bytes 3..8
    std::uint8_t areaFrequency;   // as StemRecord byte 12
    char english[80];
    char form[24];                // the search key
    std::uint8_t formClass;       // copied to stem byte 38
    std::uint8_t ageLevel;        // also stem bytes 13 and 39
    char extraForm[24];
};
static_assert(sizeof(UniqueRecord) == 140);
static_assert(offsetof(UniqueRecord, english) == 10);
static_assert(offsetof(UniqueRecord, form) == 90);
static_assert(offsetof(UniqueRecord, extraForm) == 116);

// uniqueheads.dat (sorted by form): the dictionary headword an irregular form of uniques.dat is
// cited by (vult -> volo, quicquam -> quisquam); a form without a record cites itself.
struct UniqueHeadwordRecord {
    char form[24];                // as UniqueRecord::form
    char headword[24];
};
static_assert(sizeof(UniqueHeadwordRecord) == 48);
static_assert(offsetof(UniqueHeadwordRecord, headword) == 24);

// userphrases.txt: one Latin Standard Phrase, up to five Latin words and its English.
struct StandardPhraseRecord {
    char words[5][24];            // the Latin words in order, at most 22 characters; missing ""
    char english[80];             // the English, at most 78 characters
};
static_assert(sizeof(StandardPhraseRecord) == 200);
static_assert(offsetof(StandardPhraseRecord, english) == 120);

// One entry of the standard phrases' letter index: entry k holds the letter 'a' + k and the
// first phrase that begins with that letter or a later one; entry 26 closes the index with the
// number of phrases and the text "MAX_ENTRIES".
struct PhraseIndexEntry {
    std::uint32_t firstPhrase;
    char letter[12];
};
static_assert(sizeof(PhraseIndexEntry) == 16);

#pragma pack(pop)

inline constexpr std::uint32_t kUserMeaningBase = 1000000;  // meaningIndex of user entries
inline constexpr int kLetterIndexCount = 27;

}  // namespace kavro
