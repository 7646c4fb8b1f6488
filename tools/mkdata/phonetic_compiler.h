// phoneticuk.dat: the phonetic keys of the dictionary's stems, sorted for search.
//
// Record layout (32 bytes, little-endian):
//   offset  width  field
//    0      20     key          the stem's phonetic key (below), NUL-terminated, NUL-padded
//   20       4     stemRecord   index of the stem's record in dictUK.dat
//   24       4     meaningIndex the stem's meanings record in transl.dat
//   28       1     partOfSpeech StemRecord byte 0 of that stem
//   29       1     stemKey      StemRecord byte 5 of that stem
//   30       1     keyLength    characters of the key
//   31       1     stemLength   characters of the stem
// Records are sorted by key in plain byte order, then by stemRecord, so a binary search finds
// every stem of one key (or every key that begins with a prefix) as one run. The "." stem
// (the empty stem of esse) has no key and no record.
//
// The key is the one the word analysis computes for a split stem (phoneticKey of
// morph/phonetic_search.h, with the stem not ending the word), so the table and the search
// always agree. The record type is the search's PhoneticRecord.
#pragma once

#include <vector>

#include "core/lexicon_records.h"
#include "morph/phonetic_search.h"

namespace kavro::mkdata {

// One record per stem (the "." stem excepted), sorted; a stem whose key would not fit the
// record's key field is a DataError.
std::vector<PhoneticRecord> compilePhonetics(const std::vector<StemRecord>& stems);

}  // namespace kavro::mkdata
