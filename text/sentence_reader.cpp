// The sentence reader: one line of temp.lat is one sentence. A line longer than the reader
// takes at once, or with more tokens than the token table holds, is read as several sentences,
// each cut between two words; the rest of the line stays in the file for the next call.
#include <cstdio>
#include <cstring>

#include "core/engine.h"
#include "core/stages.h"
#include "text/tokenizer.h"

namespace kavro {
namespace {

constexpr int kSentenceLineLength = 1999;  // characters read per call
constexpr std::string_view kReadFailure = "FGETS error. Tell programmer!\n";
constexpr std::string_view kRewindFailure =
    "Cannot return to the rest of a long line of temp.lat; its remaining words are lost.\n";
constexpr std::string_view kAddedFullStop = ".\n";

// Where to cut a piece of a longer line: after its last space, so that no word is cut in two.
// A piece without a space is one word too long to analyse anyway, and is taken whole.
std::size_t cutBetweenWords(std::string_view piece) {
    const std::size_t space = piece.find_last_of(' ');
    return space == std::string_view::npos ? piece.size() : space + 1;
}

// Reads one line of at most kSentenceLineLength characters into `line`; false at the end of
// the file or after a read error. `goesOn` is set when the line continues past the piece read.
bool readPiece(Engine& engine, std::FILE* tempLat, char* line, std::size_t& length, bool& goesOn) {
    if (!std::fgets(line, kSentenceLineLength + 1, tempLat)) {
        // The stream belongs to the job, which closes it when the reader says -1.
        if (std::ferror(tempLat)) engine.reportError(kReadFailure);
        return false;
    }
    length = std::strlen(line);
    goesOn = false;
    // A piece that stops just before its line end takes the line end along, so that the next
    // call does not read a bare line end (which would end the job).
    if (length > 0 && line[length - 1] != '\n') {
        const int next = std::fgetc(tempLat);
        if (next == '\n') {
            line[length++] = '\n';
            line[length] = '\0';
        } else if (next != EOF) {
            std::ungetc(next, tempLat);
            goesOn = true;
        }
    }
    return true;
}

// Puts the unread rest of the piece back for the next call.
void leaveRest(Engine& engine, std::FILE* tempLat, long pieceStart, std::size_t taken) {
    if (pieceStart < 0 || std::fseek(tempLat, pieceStart + static_cast<long>(taken), SEEK_SET) != 0)
        engine.reportError(kRewindFailure);
}

}  // namespace

int readSentence(Engine& engine, std::FILE* tempLat, std::string& sentence) {
    char line[kSentenceLineLength + 2];
    std::size_t length = 0;
    bool goesOn = false;
    const long pieceStart = std::ftell(tempLat);
    if (!readPiece(engine, tempLat, line, length, goesOn)) return -1;
    const std::size_t cut = goesOn ? cutBetweenWords({line, length}) : length;
    SentencePart part;
    const int count = tokenizeSentencePart(engine, {line, cut}, goesOn, part);
    if (part.taken < length) leaveRest(engine, tempLat, pieceStart, part.taken);

    sentence.assign(line, part.taken);
    if (part.fullStopAdded) sentence.append(kAddedFullStop);
    if (!engine.latinTruncated && engine.latinText.size() + part.taken < kLatinTextSize) {
        engine.latinText.append(line, part.taken);
    } else {
        engine.latinTruncated = true;
    }
    return count;
}

}  // namespace kavro
