// Latin file preparation: rewrites a Latin text file into temp.lat, one sentence per line,
// each line ending with its sentence mark.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>

#include "core/engine.h"
#include "core/regular_file.h"
#include "core/stages.h"
#include "text/input_encoding.h"
#include "text/latin_preparation.h"
#include "text/prepared_line.h"
#include "text/preparation_steps.h"
#include "text/abbreviations.h"

namespace kavro {
namespace {

constexpr const char* kTempFileName = "temp.lat";
constexpr std::string_view kTempFileFailure = "Cannot open temporary file 'temp.lat'.\n";
constexpr std::string_view kReadFailure = "FGETS error. Tell programmer!\n";

// The work buffers of one preparation, allocated once per file.
struct PreparationWork {
    char input[kInputLineLength + 1];
    PreparedLine line;
    SentenceSplitState split;
};

bool isEmptyLine(std::string_view line) { return line.empty() || line == "\n"; }

// The rewrite of one input line, from the pronoun count to the sentence split.
void prepareLine(Engine& engine, PreparationWork& work, std::string_view input, std::FILE* out) {
    const ViewOptions& options = engine.options;
    countPronouns(input, engine.pronounCounts);
    PreparedLine& line = work.line;
    line.assign(input);
    moveTrailingMark(line);
    normaliseCharacters(line, options);
    joinInitials(line);
    if (options.botanyActive) protectNumberStops(line);
    writeOutResPublica(line);
    if (options.abbreviations) {
        expandAbbreviations(engine.lexicon.abbreviations, line.data(), line.capacity());
        line.assign(line.c_str());
    }
    splitSentences(line, work.split, options, out);
}

// Notes that input line `line` begins writing at `offset`; a line that wrote nothing gives way to
// the next one.
void noteLineStart(PreparedLineStarts& starts, long offset, int line) {
    if (!starts.empty() && starts.back().offset == offset) starts.back().line = line;
    else starts.push_back({offset, line});
}

bool prepareNoting(Engine& engine, const std::filesystem::path& latinFile, PreparedLineStarts* starts) {
    LatinInputReader reader(latinFile);
    if (!reader.isOpen()) {
        engine.reportError("Cannot open file " + latinFile.string() + ".\n");
        return false;
    }
    OpenedFile opened = openRegularFile(engine.file(kTempFileName), FileAccess::Write);
    std::FILE* out = opened.file;
    if (!out) {
        engine.reportError(std::string(kTempFileFailure) +
                           fileProblemText("Cannot open", kTempFileName, opened.problem) + "\n");
        return false;
    }
    for (std::int16_t& count : engine.pronounCounts) count = 0;
    auto work = std::make_unique<PreparationWork>();
    int lineNumber = 1;  // a line longer than the buffer comes in pieces: counted when it ends
    for (;;) {
        std::size_t length = 0;
        const auto result = reader.readLine(work->input, sizeof work->input, length);
        if (result == LatinInputReader::Result::Error) {
            engine.reportError(kReadFailure);
            std::fclose(out);
            return false;
        }
        if (result == LatinInputReader::Result::End) break;
        const std::string_view input(work->input, length);
        const int inputLine = lineNumber;
        if (input.ends_with('\n')) ++lineNumber;
        if (isEmptyLine(input) || isCommentLine(input)) continue;
        if (starts) noteLineStart(*starts, std::ftell(out), inputLine);
        prepareLine(engine, *work, input, out);
    }
    // The last sentence is closed with a full stop; a text that wrote nothing (empty, blank or
    // only comments) stays empty, so that it gives no tokens at all.
    const bool wroteText = std::ftell(out) > 0;
    if (work->split.hasText || (!work->split.markSeen && wroteText)) std::fputs(".\n", out);
    // A full disk may show only when the last of the file is written out.
    std::string problem;
    const bool written = closeChecked(out, problem);
    if (!written)
        engine.reportError(fileProblemText("Cannot write", kTempFileName, problem) + "\n");
    return written;
}

}  // namespace

bool prepareLatinFile(Engine& engine, const std::filesystem::path& latinFile) {
    return prepareNoting(engine, latinFile, nullptr);
}

bool prepareLatinFileNoting(Engine& engine, const std::filesystem::path& latinFile,
                            PreparedLineStarts& starts) {
    starts.clear();
    return prepareNoting(engine, latinFile, &starts);
}

int inputLineAt(const PreparedLineStarts& starts, long offset) {
    auto after = std::upper_bound(starts.begin(), starts.end(), offset,
                                  [](long at, const PreparedLineStart& s) { return at < s.offset; });
    return after == starts.begin() ? 1 : std::prev(after)->line;
}

}  // namespace kavro
