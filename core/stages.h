// The stages that the translation job calls, one seam each. Each stage lives in its own
// folder; a stage not built yet answers with a harmless "nothing done" from a file named
// stages_pending.cpp in that folder, which its real implementation replaces.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kavro {

struct Engine;

// text/: writes temp.lat into the program folder from a Latin file; false after telling the
// user why (the job then ends).
bool prepareLatinFile(Engine& engine, const std::filesystem::path& latinFile);

// text/: reads the next sentence of the open temp.lat into `sentence` (raw line with its
// line end), appends it to latinText and tokenizes it. Returns the token count, 0 when the
// line held no token, -1 at end of file or after a read error, -2 after Cancel.
int readSentence(Engine& engine, std::FILE* tempLat, std::string& sentence);

// morph/: marks every entry of the per-job word-status cache empty.
void resetWordStatusCache(Engine& engine);

// morph/: analyses every token of sentenceTokens into wordAnalyses and writes the listing.
void analyseSentenceWords(Engine& engine);

// syntax/: translates the analysed sentence and writes its English line to the log.
void translateSentence(Engine& engine);

// syntax/: clears what sentence translation carries from one sentence to the next.
void clearSentenceContext(Engine& engine);

// syntax/: the auto-area tallies: cleared at the start of a job, reported at its end.
void resetAutoArea(Engine& engine);
void reportAutoArea(Engine& engine);

// app/: after a job, loads parser.txt into the translation box and refreshes both boxes (the
// view's command logic; the job hands its result up through this seam).
void showTranslationBoxes(Engine& engine);

}  // namespace kavro
