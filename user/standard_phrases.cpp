// Start-up loading of the Latin Standard Phrases from userphrases.txt in the program folder.
#include "user/standard_phrases.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <new>
#include <stdexcept>

#include "core/engine.h"
#include "core/lexicon.h"
#include "core/regular_file.h"
#include "core/startup_stages.h"

namespace kavro {
namespace {

constexpr std::string_view kPhraseFile = "userphrases.txt";
constexpr char kCannotOpen[] = "Cannot open 'userphrases.txt'.\n";
constexpr char kTooMany[] =
    "Cannot load Latin Standard Phrases.\nThere are too many!\nReduce the number in "
    "userphrases.txt.";
constexpr char kReadError[] = "FGETS error.\n";
constexpr std::size_t kCapacitySpare = 2;  // records allowed beyond the counted lines
constexpr unsigned char kLetterBit = 64;   // clear in digits, spaces, most punctuation
constexpr unsigned char kLastControl = 31;

// The phrase file of the program folder, its name matched without regard to letter case.
std::filesystem::path phraseFilePath(const Engine& engine) {
    namespace fs = std::filesystem;
    const fs::path exact = engine.file(kPhraseFile);
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    const auto sameName = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    };
    fs::directory_iterator it(engine.programFolder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == kPhraseFile.size() &&
            std::equal(name.begin(), name.end(), kPhraseFile.begin(), sameName))
            return it->path();
    }
    return exact;
}

bool isComment(std::string_view line) { return line.starts_with("--"); }

bool startsWithControl(std::string_view line) {
    return line.empty() || static_cast<unsigned char>(line[0]) <= kLastControl;
}

// Lines other than comments, which size the table.
std::size_t countPhraseLines(std::istream& in) {
    std::size_t count = 0;
    for (std::string line; std::getline(in, line);) {
        if (!isComment(line)) ++count;
    }
    return count;
}

std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

// The text of a usable phrase line ready for parsing; empty when the line is skipped.
std::string phraseText(std::string line) {
    if (line.starts_with('*') && unscramblePhraseLine(line)) return {};
    if (line.empty() || (static_cast<unsigned char>(line[0]) & kLetterBit) == 0) return {};
    if (line.size() > kPhraseLineLength) line.resize(kPhraseLineLength);
    return line;
}

// Reads the phrase lines into `table` (room reserved for `capacity`); false on a read error.
bool readPhrases(Engine& engine, std::istream& in, std::size_t capacity,
                 std::vector<StandardPhraseRecord>& table) {
    for (std::string raw; std::getline(in, raw);) {
        const std::string line = withoutLineEnd(std::move(raw));
        if (isComment(line) || startsWithControl(line)) continue;
        const std::string text = phraseText(line);
        if (text.empty()) continue;
        if (!parsePhraseLine(text, table)) {
            engine.log.printf("Rejected user line '%s' owing to error.\n", line.c_str());
            continue;
        }
        if (table.size() >= capacity - 1) {
            engine.reportError("Exceeded max. no. of LSP entries.\nLast line was " + line + "\n");
            break;
        }
    }
    return !in.bad();
}

// Room for `capacity` records; false when it cannot be had.
bool reserveTable(std::vector<StandardPhraseRecord>& table, std::size_t capacity) {
    try {
        table.reserve(capacity);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

int noPhrases(Lexicon& lexicon) {
    lexicon.standardPhrases.clear();
    lexicon.phraseIndex = {};
    return 0;
}

}  // namespace

int loadStandardPhrases(Engine& engine, Lexicon& lexicon) {
    noPhrases(lexicon);
    const std::filesystem::path path = phraseFilePath(engine);
    // Read whole, as a regular file only: a pipe under the name must not hold up the start.
    const ReadFile read = readRegularFile(path);
    if (!read.ok) {
        const std::string refused = fileProblemText("Cannot open", path, read.problem) + ".\n";
        engine.reportError(read.missing ? std::string(kCannotOpen) : refused);
        return 0;
    }
    std::istringstream counting(read.content);
    const std::size_t capacity = countPhraseLines(counting) + kCapacitySpare;
    std::vector<StandardPhraseRecord>& table = lexicon.standardPhrases;
    if (!reserveTable(table, capacity)) {
        engine.options.allowUserPhrases = false;
        engine.reportError(kTooMany);
        return 0;
    }
    std::istringstream in(read.content);
    engine.log.write("Loading Latin Standard Phrases...");
    if (!readPhrases(engine, in, capacity, table)) {
        engine.reportError(kReadError);
        return noPhrases(lexicon);
    }
    sortStandardPhrases(table);
    const int letters = buildPhraseIndex(table, lexicon.phraseIndex);
    if (letters != kPhraseLetters)
        engine.log.printf("indices wrong. k = %d, should be 26.\n", letters);
    engine.log.printf("Done. Added %i LSPs.\n", static_cast<int>(table.size()));
    return static_cast<int>(table.size());
}

}  // namespace kavro
