// The sentence reader: one line of temp.lat is one sentence.
#include <cstdio>
#include <cstring>

#include "job/engine.h"
#include "job/stages.h"
#include "text/tokenizer.h"

namespace kavro {
namespace {

constexpr int kSentenceLineLength = 1999;  // characters read per call
constexpr std::string_view kReadFailure = "FGETS error. Tell programmer!\n";

}  // namespace

int readSentence(Engine& engine, std::FILE* tempLat, std::string& sentence) {
    char line[kSentenceLineLength + 2];
    if (!std::fgets(line, kSentenceLineLength + 1, tempLat)) {
        // The stream belongs to the job, which closes it when the reader says -1.
        if (std::ferror(tempLat)) engine.reportError(kReadFailure);
        return -1;
    }
    std::size_t length = std::strlen(line);
    // A sentence cut at the read limit just before its line end takes the line end along, so
    // that the next call does not read a bare line end (which would end the job).
    if (length > 0 && line[length - 1] != '\n') {
        const int next = std::fgetc(tempLat);
        if (next == '\n') {
            line[length++] = '\n';
            line[length] = '\0';
        } else if (next != EOF) {
            std::ungetc(next, tempLat);
        }
    }
    sentence.assign(line, length);
    if (!engine.latinTruncated && engine.latinText.size() + length < kLatinTextSize) {
        engine.latinText.append(line, length);
    } else {
        engine.latinTruncated = true;
    }
    return tokenizeSentence(engine, {line, length});
}

}  // namespace kavro
