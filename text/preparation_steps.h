// The steps of the Latin preparation that rewrite one input line, in the order the
// preparation runs them. Each works in place on the line buffer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/view_options.h"
#include "text/prepared_line.h"

namespace kavro {

inline constexpr std::string_view kSentenceMarks = ".?!:;";
// A full stop inside a number (with botanyActive) until the sentence split passes it.
inline constexpr char kProtectedStop = '\x01';
// What an exclamation mark becomes with `inscriptions`, so that it does not end a sentence.
inline constexpr char kInscriptionMark = '\x1B';

// Lines with "--" starting within their first five characters are comments.
bool isCommentLine(std::string_view line);

// Adds the line's " ego ", " tu ", " nos " and " uos "/" vos " to the four counters.
void countPronouns(std::string_view line, std::int16_t (&counts)[4]);

// Moves the first line end, comma, full stop, semicolon or colon of the line's trailing run
// of spaces and marks up against the last word (a full stop when the run has none).
void moveTrailingMark(PreparedLine& line);

// The character pass: spaces, quotes, accents, ligatures, commas, hyphens, line ends.
void normaliseCharacters(PreparedLine& line, const ViewOptions& options);

// Joins initials and Roman abbreviations to the following word so their full stops do not
// end a sentence (M. Tullius -> M_Tullius, S. C. -> S_C, tr. pl. -> Tr_pleb).
void joinInitials(PreparedLine& line);

// Marks the full stops inside numbers (digits, full stops, hyphens) as protected.
void protectNumberStops(PreparedLine& line);

// " re p." -> " re publica", and likewise rem, res and rei.
void writeOutResPublica(PreparedLine& line);

// The sentence state carried from line to line.
struct SentenceSplitState {
    bool hasText = false;   // the current sentence has a letter or digit
    bool markSeen = false;  // a sentence mark came after the last letter or digit
    bool inQuote = false;   // a quotation is open
};

// Writes each complete sentence of the line as "text mark\n" and what follows the last
// sentence end as it stands; restores protected full stops.
void splitSentences(PreparedLine& line, SentenceSplitState& state, const ViewOptions& options,
                    std::FILE* out);

}  // namespace kavro
