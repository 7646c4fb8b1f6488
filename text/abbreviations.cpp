#include "text/abbreviations.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

constexpr const char* kAbbreviationFile = "UserAbbreviations.txt";
constexpr std::size_t kAbbreviationLength = sizeof(AbbreviationRecord::abbreviation) - 1;
constexpr std::size_t kExpansionLength = sizeof(AbbreviationRecord::expansion) - 1;
constexpr unsigned char kLetterBit = 64;  // clear in digits, spaces, most punctuation

// Comment lines, empty lines and lines that start with a digit, space or most punctuation.
bool isSkippedLine(std::string_view line) {
    if (line.starts_with("--")) return true;
    return line.empty() || (static_cast<unsigned char>(line[0]) & kLetterBit) == 0;
}

// One "abbreviation<tab>expansion" line, without its line end; false if it is malformed.
bool parseAbbreviationLine(std::string_view line, AbbreviationRecord& record) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return false;
    const std::string_view abbreviation = line.substr(0, tab);
    const std::string_view expansion = line.substr(tab + 1);
    if (abbreviation.size() > kAbbreviationLength || expansion.size() > kExpansionLength) {
        return false;
    }
    record = {};
    copyField(record.abbreviation, abbreviation);
    copyField(record.expansion, expansion);
    record.length = static_cast<std::int16_t>(abbreviation.size());
    return true;
}

std::string_view withoutLineEnd(const char* line) {
    return std::string_view(line, std::strcspn(line, "\r\n"));
}

bool endsWord(char ch) { return ch == '\n' || ch == ' ' || ch == ',' || ch == '\0'; }

char lowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; }

// The first abbreviation with the word's first letter whose text begins the word.
const AbbreviationRecord* findAbbreviation(std::span<const AbbreviationRecord> table,
                                           std::string_view word) {
    for (const AbbreviationRecord& record : table) {
        const std::string_view text = fieldText(record.abbreviation);
        if (text.empty() || lowerAscii(text[0]) != lowerAscii(word[0])) continue;
        if (text.size() <= word.size() && word.substr(0, text.size()) == text) return &record;
    }
    return nullptr;
}

bool isLoneSmallInitial(std::string_view word) {
    return word.size() == 2 && word[0] >= 'a' && word[0] <= 'z' && word[1] == '.';
}

}  // namespace

int loadUserAbbreviations(Engine& engine, std::vector<AbbreviationRecord>& table) {
    table.clear();
    const OpenedFile opened = openRegularFile(engine.file(kAbbreviationFile), FileAccess::Read);
    std::FILE* file = opened.file;
    if (!file) {
        // No file is usual; one that is there but refused (a link, a pipe) is told.
        if (!opened.missing)
            engine.reportError(
                fileProblemText("Cannot open", kAbbreviationFile, opened.problem) + ".\n");
        return 0;
    }
    engine.log.write("Loading user-defined abbreviations...");
    char line[kAbbreviationLineLength + 1];
    while (std::fgets(line, sizeof line, file)) {
        const std::string_view text = withoutLineEnd(line);
        if (isSkippedLine(text)) continue;
        AbbreviationRecord record;
        if (!parseAbbreviationLine(text, record)) {
            engine.log.printf("Rejected user line '%.*s' owing to error.\n",
                              static_cast<int>(text.size()), text.data());
            continue;
        }
        table.push_back(record);
        if (table.size() >= kAbbreviationCapacity) {
            std::string message = "Abbreviations - Exceeded max. no. of entries.\nLast line was ";
            message.append(text).append("\n");
            engine.reportError(message);
            break;
        }
    }
    if (std::ferror(file)) {
        std::fclose(file);
        table.clear();
        engine.reportError("FGETS error.\n");
        return 0;
    }
    std::fclose(file);
    engine.log.printf("Done. Added %d abbreviations.\n", static_cast<int>(table.size()));
    return static_cast<int>(table.size());
}

void expandAbbreviations(std::span<const AbbreviationRecord> table, char* line,
                         std::size_t capacity) {
    std::size_t length = std::strlen(line);
    std::size_t at = 0;
    while (at < length) {
        while (at < length && line[at] == ' ') ++at;
        const std::size_t start = at;
        while (!endsWord(line[at])) ++at;
        const std::string_view word(line + start, at - start);
        if (word.find('.') != std::string_view::npos) {
            const AbbreviationRecord* found = findAbbreviation(table, word);
            if (found && static_cast<std::size_t>(found->length) == word.size()) {
                const std::string_view expansion = fieldText(found->expansion);
                const std::size_t newLength = length - word.size() + expansion.size();
                if (newLength > kExpandedLineLimit || newLength >= capacity) return;
                std::memmove(line + start + expansion.size(), line + at, length - at + 1);
                std::memcpy(line + start, expansion.data(), expansion.size());
                length = newLength;
                at = start + expansion.size();
            } else if (start > 0 && line[start - 1] == ' ' && isLoneSmallInitial(word)) {
                line[start + 1] = '_';
            }
        }
        if (at < length) ++at;  // the space, comma or line end that ended the word
    }
}

}  // namespace kavro
