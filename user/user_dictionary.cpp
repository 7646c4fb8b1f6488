#include "user/user_dictionary.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/latin_spelling.h"
#include "core/lexicon.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

constexpr char kWordTooLong[] = "User word is too long.\n";
constexpr char kTooManyFields[] = "Too many user fields.\n";
constexpr char kPlinyQuestion[] =
    "KL wants to load your PlinyUser file.\nUseful ONLY for translating the Elder Pliny.\n"
    "Did you intend this?";
constexpr char kPlinyDeclined[] =
    "Aborting Pliny Load. If you do not wish to keep seeing this message, locate file "
    "'PlinyUserFile.txt', and rename it to 'XPlinyUserFile.txt'.";
constexpr char kReadError[] = "FGETS error (Error in loading a line of user text).\n";

// Frequency byte and age byte of the stems of each file.
struct FileMarks {
    std::uint8_t areaFrequency;
    std::uint8_t ageLevel;
};
constexpr FileMarks kMainFileMarks{1, 0};
constexpr FileMarks kPlinyFileMarks{4, 4};

std::string printf1(const char* format, std::string_view text) {
    const std::string arg(text);
    const int size = std::snprintf(nullptr, 0, format, arg.c_str());
    std::string out(static_cast<std::size_t>(size), '\0');
    std::snprintf(out.data(), out.size() + 1, format, arg.c_str());
    return out;
}

// Splits at "/" into the Latin, grammar and English fields, each cut and followed by a space.
bool splitFields(std::string_view line, std::string fields[3]) {
    const std::size_t first = line.find('/');
    if (first == std::string_view::npos) return false;
    const std::size_t second = line.find('/', first + 1);
    if (second == std::string_view::npos) return false;
    const std::string_view parts[3] = {line.substr(0, first),
                                       line.substr(first + 1, second - first - 1),
                                       line.substr(second + 1)};
    for (int i = 0; i < 3; ++i) fields[i] = std::string(parts[i].substr(0, kUserFieldLength)) + ' ';
    return true;
}

void foldLatinSpelling(std::string& latin) {
    for (char& c : latin) c = foldIAndU(c);
}

// Splits a field into at most five words at spaces; false (after its box) on a word longer
// than 23 characters, on a sixth word, or when the field has no word.
bool splitWords(Engine& engine, std::string_view field, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t at = 0;
    while (true) {
        at = field.find_first_not_of(' ', at);
        if (at == std::string_view::npos) break;
        const std::size_t end = std::min(field.find(' ', at), field.size());
        const std::string_view word = field.substr(at, end - at);
        if (word.size() > kUserWordLength) {
            engine.rationedWarning(kWordTooLong);
            return false;
        }
        if (words.size() == kUserStemsPerLine) {
            engine.rationedWarning(kTooManyFields);
            return false;
        }
        words.push_back(word);
        at = end;
    }
    return !words.empty();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

std::uint8_t numberWord(const std::vector<std::string_view>& words, std::size_t index) {
    if (index >= words.size()) return 0;
    unsigned value = 0;
    const std::string_view w = words[index];
    std::from_chars(w.data(), w.data() + w.size(), value);
    return static_cast<std::uint8_t>(std::min(value, 255u));
}

std::string_view word(const std::vector<std::string_view>& words, std::size_t index) {
    return index < words.size() ? words[index] : std::string_view{};
}

// The grammar that every stem of the line shares, from the grammar words.
StemRecord sharedGrammar(Engine& engine, int partOfSpeech,
                         const std::vector<std::string_view>& grammar) {
    StemRecord s{};
    s.partOfSpeech = static_cast<std::uint8_t>(partOfSpeech);
    s.which = numberWord(grammar, 1);
    s.variant = numberWord(grammar, 2);
    if (partOfSpeech == speech_type::Noun) {
        s.genderOrKind = static_cast<std::uint8_t>(parseGender(word(grammar, 3)));
        s.sort = static_cast<std::uint8_t>(parseNounKind(word(grammar, 4)));
    } else if (partOfSpeech == speech_type::Adjective || partOfSpeech == speech_type::Adverb) {
        s.genderOrKind = static_cast<std::uint8_t>(parseComparison(word(grammar, 3), engine.log));
        s.sort = numberWord(grammar, 4);
    } else if (partOfSpeech == speech_type::Verb) {
        const int kind = parseVerbKind(word(grammar, 3), engine.log);
        s.sort = static_cast<std::uint8_t>(kind == kVerbKindNotFound ? 0 : kind);
    } else {
        s.sort = numberWord(grammar, 4);
    }
    return s;
}

std::uint8_t stemKeyOf(const StemRecord& grammar, int position) {
    const bool graded = grammar.partOfSpeech == speech_type::Adjective ||
                        grammar.partOfSpeech == speech_type::Adverb;
    if (graded && grammar.genderOrKind == comparison_type::Comparative) return 3;
    if (graded && grammar.genderOrKind == comparison_type::Superlative) return 4;
    return static_cast<std::uint8_t>(position);
}

MeaningRecord userMeaning(std::string_view latin, std::string english) {
    while (!english.empty() && english.back() == ' ') english.pop_back();
    english.erase(0, english.find_first_not_of(' '));   // "latin / grammar / English" spacing
    std::replace(english.begin(), english.end(), ';', '/');
    MeaningRecord record{};
    copyField(record.latin, latin);
    copyField(record.english, english);
    return record;
}

// Lines that are neither comments nor begin with a character of the bit-64 range are skipped.
bool isEntryLine(std::string_view line) {
    return !line.empty() && !line.starts_with("--") &&
           (static_cast<unsigned char>(line.front()) & 64) != 0;
}

enum class PassEnd { Continue, StopAll, ReadError };

struct LoadState {
    int acceptedLines = 0;
    int mainLines = 0;
    int plinyLines = 0;
};

PassEnd loadUserFile(Engine& engine, std::istream& in, UserFile file, UserTables tables,
                     LoadState& state) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!isEntryLine(line)) continue;
        line += ' ';
        if (!parseUserLine(engine, line, file, tables)) {
            engine.log.write(printf1("Rejected user line '%s' owing to error.\n", line));
            continue;
        }
        ++(file == UserFile::Main ? state.mainLines : state.plinyLines);
        if (++state.acceptedLines >= kUserLineCapacity) {
            engine.reportError(printf1("Exceeded max. no. of entries.\nLast line was %s\n", line));
            return PassEnd::StopAll;
        }
    }
    return in.bad() ? PassEnd::ReadError : PassEnd::Continue;
}

bool plinyWanted(Engine& engine) {
    if (engine.host.message(kPlinyQuestion, BoxKind::YesNo) == BoxAnswer::Yes) return true;
    engine.host.message(kPlinyDeclined, BoxKind::Ok);
    return false;
}

}  // namespace

bool parseUserLine(Engine& engine, std::string_view line, UserFile file, UserTables tables) {
    std::string fields[3];
    if (!splitFields(line, fields)) return false;
    foldLatinSpelling(fields[0]);
    std::vector<std::string_view> stems, grammar;
    if (!splitWords(engine, fields[0], stems) || !splitWords(engine, fields[1], grammar))
        return false;
    const int partOfSpeech = parseSpeechType(grammar.front(), engine.log);
    if (partOfSpeech == kSpeechTypeNotFound) return false;

    const StemRecord shared = sharedGrammar(engine, partOfSpeech, grammar);
    const FileMarks marks = file == UserFile::Main ? kMainFileMarks : kPlinyFileMarks;
    const auto meaningNumber = static_cast<std::uint32_t>(tables.meanings.size());
    for (std::size_t j = 1; j <= stems.size(); ++j) {
        if (equalsIgnoringCase(stems[j - 1], "NULL")) continue;
        StemRecord s = shared;
        if (partOfSpeech == speech_type::Verb && j == 4) s.partOfSpeech = speech_type::Participle;
        s.stemKey = stemKeyOf(shared, static_cast<int>(j));
        s.meaningIndex = meaningNumber;
        s.areaFrequency = marks.areaFrequency;
        s.ageLevel = marks.ageLevel;
        copyField(s.stem, stems[j - 1]);
        tables.stems.push_back(s);
    }
    tables.meanings.push_back(userMeaning(fields[0], fields[2]));
    return true;
}

int loadUserDictionary(Engine& engine, Lexicon& lexicon) {
    lexicon.userStems.clear();
    lexicon.userMeanings.clear();
    UserTables tables{lexicon.userStems, lexicon.userMeanings};
    LoadState state;
    for (UserFile file : {UserFile::Main, UserFile::Pliny}) {
        const std::string_view name = file == UserFile::Main ? kUserFileName : kPlinyUserFileName;
        // Read whole as a regular file: a pipe under the name must not hold up the start.
        const ReadFile read = readRegularFile(engine.file(name));
        if (!read.ok) {
            if (!read.missing)
                engine.rationedWarning(fileProblemText("Cannot open", name, read.problem) + ".\n");
            if (file == UserFile::Pliny) break;
            if (read.missing) engine.rationedWarning(printf1("Cannot open %s.\n", name));
            return 0;
        }
        std::istringstream in(read.content);
        if (file == UserFile::Pliny && !plinyWanted(engine)) break;
        engine.log.write(printf1("Loading user-defined dictionary %s...", name));
        const PassEnd end = loadUserFile(engine, in, file, tables, state);
        if (end == PassEnd::ReadError) {
            engine.reportError(kReadError);
            lexicon.userStems.clear();
            lexicon.userMeanings.clear();
            return 0;
        }
        if (end == PassEnd::StopAll) break;
    }
    std::stable_sort(lexicon.userStems.begin(), lexicon.userStems.end(),
                     [](const StemRecord& a, const StemRecord& b) {
                         return fieldText(a.stem) < fieldText(b.stem);
                     });
    engine.log.printf("Done. Added %d user words.", state.mainLines);
    if (state.plinyLines > 0) engine.log.printf(" Added %d extra Pliny words.\n", state.plinyLines);
    else engine.log.write("\n");
    return static_cast<int>(lexicon.userStems.size());
}

}  // namespace kavro
