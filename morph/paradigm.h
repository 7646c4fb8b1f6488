// Paradigms: every form of a dictionary entry, generated from its stems and the inflection table
// (the same fitting rules word analysis uses), with the irregular forms the uniques table holds
// for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;
struct Lexicon;

// One generated form: the stem and ending (and tackon) it was built from and the fitted inflection record
// (its grammar bytes, its age and rarity). An irregular form from the uniques table has no stem.
struct ParadigmForm {
    std::string form;
    std::string stem;
    std::string ending;
    std::string tackon;   // what the entry's stems need after the ending ("dem" of idem)
    InflectionRecord inflection{};
    std::uint8_t partOfSpeech = 0;   // the part of speech the form is read as (VPAR, SUPINE, ...)
    bool irregular = false;
};

// A dictionary entry: its meanings record and the stems that share it.
struct ParadigmEntry {
    std::uint32_t meaningIndex = 0;
    std::string citation;   // as word analysis shows it ("amo, amare, amaui, amatus")
    std::string english;
    std::vector<StemRecord> stems;   // in stem-key order
};

// The part of speech of an entry, without its subtype bits.
int entryPartOfSpeech(const ParadigmEntry& entry);

// A deponent verb: passive forms with an active meaning.
bool isDeponentEntry(const ParadigmEntry& entry);

// The first word of a citation form ("amo" of "amo, amare, ..."), j and v read as i and u.
std::string citationLemma(std::string_view citation);

// Every dictionary entry whose citation form begins with `lemma` (compared without regard to
// case, j/v read as i/u); `partOfSpeech` 0 takes every part of speech.
std::vector<ParadigmEntry> findParadigmEntries(const Lexicon& lexicon, std::string_view lemma,
                                               int partOfSpeech = 0);

// Every dictionary entry, for sampling (one per meanings record that has stems).
std::vector<ParadigmEntry> allParadigmEntries(const Lexicon& lexicon);

// Every form of the entry: each stem with every ending of the inflection table that word
// analysis would let it take (all ages), then the entry's irregular forms. Uses tempstems and
// tempinflects; the engine's options are left as they were.
std::vector<ParadigmForm> generateParadigm(Engine& engine, const ParadigmEntry& entry);

// The age letter (X, A .. H) and frequency letter (X when the table does not say) of a form.
char formAgeLetter(const ParadigmForm& form);
char formFrequencyLetter(const ParadigmForm& form);
// True when the inflection table marks the form as of another age or as less frequent.
bool formIsMarked(const ParadigmForm& form);

}  // namespace kavro
