#include "app/settings_file.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/regular_file.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSaveQuestion = "Saves current user settings to file usersettings.txt.";
constexpr std::string_view kSaved = "Settings saved.";
constexpr std::string_view kNotSaved = "Error - Settings not saved.";
constexpr const char* kNewFileSuffix = ".new";

constexpr int kSmallestFont = 8;
constexpr int kLargestFont = 14;
constexpr int kDefaultFont = 9;

// Case-insensitive comparison over the length of `word`, so that "TRUEISH" counts as "TRUE".
bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

bool isTrue(std::string_view value) { return startsWithWord(value, "TRUE"); }
bool isFalse(std::string_view value) { return startsWithWord(value, "FALSE"); }
std::optional<std::string> spellBool(bool on) { return std::string(on ? "TRUE" : "FALSE"); }

// A word list for a coded value: the spelling of each code, in the order values are tested.
struct Spelling {
    int code;
    std::string_view word;
};

template <std::size_t N>
std::optional<int> codeOf(const Spelling (&table)[N], std::string_view value) {
    for (const Spelling& s : table)
        if (startsWithWord(value, s.word)) return s.code;
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::string> spellingOf(const Spelling (&table)[N], int code) {
    for (const Spelling& s : table)
        if (s.code == code) return std::string(s.word);
    return std::nullopt;
}

// "ALLAGES" is recognised by its first six letters.
constexpr Spelling kAgeReadings[] = {{kAgeAll, "ALLAGE"}, {kAgeClassical, "CLASSICAL"}};
constexpr Spelling kAgeSpellings[] = {
    {kAgeAll, "ALLAGES"}, {kAgeClassical, "CLASSICAL"}, {kAgeMedieval, "MEDIEVAL"}};
constexpr Spelling kOrderSpellings[] = {{0, "NONE"}, {1, "NOMVERB"}, {3, "SVOE"}};
constexpr Spelling kFontSpellings[] = {{0, "ARIAL"}, {1, "ROMAN"}, {2, "COURIER"}};
constexpr Spelling kBackgroundSpellings[] = {{1, "YELLOW"}, {0, "WHITE"}, {2, "GREY"}};

int fontSizeOf(std::string_view value) {
    const std::string text(value);
    errno = 0;
    const long size = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || size < kSmallestFont || size > kLargestFont) return kDefaultFont;
    return static_cast<int>(size);
}

void readAge(ViewOptions& o, std::string_view v) {
    if (auto code = codeOf(kAgeReadings, v)) o.age = static_cast<std::uint8_t>(*code);
}
void readMedievalMeanings(ViewOptions& o, std::string_view v) {
    if (!o.medievalTricks || !isTrue(v)) {
        o.preferMedieval = false;
        return;
    }
    o.area = 'M';
    o.preferMedieval = true;
}
void readEasyLatin(ViewOptions& o, std::string_view v) {
    if (!isTrue(v)) return;
    o.easyLatin = true;
    o.age = kAgeClassical;
    o.medievalTricks = false;
    o.medievalPhonetics = false;
}

// One key of the file: how its value is read, and how the current value is spelt on saving
// (no spelling: the line is kept as it stands). `freshValue` is written for a value without a
// spelling when the file is created from nothing.
struct SettingKey {
    std::string_view key;
    void (*read)(ViewOptions&, std::string_view value);
    std::optional<std::string> (*spell)(const ViewOptions&);
    std::string_view freshValue = {};
};

// The keys, in the order in which a line is tested and in which a new file lists them.
const SettingKey kSettingKeys[] = {
    {"AGE=", readAge, [](const ViewOptions& o) { return spellingOf(kAgeSpellings, o.age); }},
    {"MEDIEVALTRICKS=", [](ViewOptions& o, std::string_view v) { if (isFalse(v)) o.medievalTricks = false; },
     [](const ViewOptions& o) { return spellBool(o.medievalTricks); }},
    {"MEDIEVALPHONETICS=",
     [](ViewOptions& o, std::string_view v) { if (isTrue(v) && o.medievalTricks) o.medievalPhonetics = true; },
     [](const ViewOptions& o) { return spellBool(o.medievalPhonetics); }},
    {"MEDIEVALMEANINGS=", readMedievalMeanings,
     [](const ViewOptions& o) { return spellBool(o.preferMedieval); }},
    {"PLAUTUS=", [](ViewOptions& o, std::string_view v) { if (isTrue(v)) o.plautusElisions = true; },
     [](const ViewOptions& o) { return spellBool(o.plautusElisions); }},
    {"BESTORDER=",
     [](ViewOptions& o, std::string_view v) {
         if (auto code = codeOf(kOrderSpellings, v)) o.bestOrder = static_cast<std::int16_t>(*code);
     },
     [](const ViewOptions& o) { return spellingOf(kOrderSpellings, o.bestOrder); }, "AUTOMATIC"},
    {"ALLOWHASH=", [](ViewOptions& o, std::string_view v) { if (isFalse(v)) o.hashOffByUser = true; },
     [](const ViewOptions& o) { return spellBool(!o.hashOffByUser); }},
    {"NEURAL=", [](ViewOptions& o, std::string_view v) { if (isFalse(v)) o.neuralNetwork = false; },
     [](const ViewOptions& o) { return spellBool(o.neuralNetwork); }},
    {"FORCEPROPER=", [](ViewOptions& o, std::string_view v) { if (isTrue(v)) o.forceProperNames = true; },
     [](const ViewOptions& o) { return spellBool(o.forceProperNames); }},
    {"EASYLATIN=", readEasyLatin, [](const ViewOptions& o) { return spellBool(o.easyLatin); }},
    {"ABBREVIATION=", [](ViewOptions& o, std::string_view v) { if (isTrue(v)) o.abbreviations = true; },
     [](const ViewOptions& o) { return spellBool(o.abbreviations); }},
    {"ALLOWUSERPHRASE=", [](ViewOptions& o, std::string_view v) { if (isFalse(v)) o.allowUserPhrases = false; },
     [](const ViewOptions& o) { return spellBool(o.allowUserPhrases); }},
    {"SHOWUSERPHRASE=", [](ViewOptions& o, std::string_view v) { if (isFalse(v)) o.showUserPhrases = false; },
     [](const ViewOptions& o) { return spellBool(o.showUserPhrases); }},
    {"SINGLEWORDERROR=",
     [](ViewOptions& o, std::string_view v) { if (isFalse(v)) o.singleWordComplaint = false; },
     [](const ViewOptions& o) { return spellBool(o.singleWordComplaint); }},
    {"FONTTYPE=",
     [](ViewOptions& o, std::string_view v) { if (auto code = codeOf(kFontSpellings, v)) o.fontType = *code; },
     [](const ViewOptions& o) { return spellingOf(kFontSpellings, o.fontType); }},
    {"FONTSIZE=", [](ViewOptions& o, std::string_view v) { o.fontSize = fontSizeOf(v); },
     [](const ViewOptions& o) -> std::optional<std::string> {
         const bool fits = o.fontSize >= kSmallestFont && o.fontSize <= kLargestFont;
         return std::to_string(fits ? o.fontSize : kDefaultFont);
     }},
    {"FONTBOLD=", [](ViewOptions& o, std::string_view v) { if (isTrue(v)) o.fontBold = true; },
     [](const ViewOptions& o) { return spellBool(o.fontBold); }},
    {"BACKGROUND=",
     [](ViewOptions& o, std::string_view v) {
         if (auto code = codeOf(kBackgroundSpellings, v)) o.background = *code;
     },
     [](const ViewOptions& o) { return spellingOf(kBackgroundSpellings, o.background); }},
};

// The part of a line that takes part in recognition: what a 300-byte line buffer holds.
std::string_view recognisedPart(std::string_view line) {
    return line.substr(0, std::min(line.size(), kSettingsLineLimit - 1));
}

const SettingKey* keyOf(std::string_view line) {
    for (const SettingKey& k : kSettingKeys)
        if (startsWithWord(line, k.key)) return &k;
    return nullptr;
}

// The lines of a file, each without its "\n"; a last line without one counts as a line. Only a
// regular file is read (never a link or a pipe); `problem` tells why another is not.
std::optional<std::vector<std::string>> readLines(const fs::path& path, std::string* problem) {
    const ReadFile read = readRegularFile(path);
    if (!read.ok) {
        if (problem && !read.missing) *problem = read.problem;
        return std::nullopt;
    }
    std::istringstream in(read.content);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// A line with its key's value replaced by the current spelling; a "\r" before the line end is
// kept so that a file written on Windows keeps its line ends.
std::string rewrittenLine(const ViewOptions& options, const std::string& line) {
    const SettingKey* key = keyOf(recognisedPart(line));
    if (!key) return line;
    const std::optional<std::string> spelling = key->spell(options);
    if (!spelling) return line;
    const bool carriageReturn = !line.empty() && line.back() == '\r';
    return line.substr(0, key->key.size()) + *spelling + (carriageReturn ? "\r" : "");
}

std::string rewrittenFile(const ViewOptions& options, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += rewrittenLine(options, line) + "\n";
    return text;
}

std::string freshFile(const ViewOptions& options) {
    std::string text;
    for (const SettingKey& key : kSettingKeys) {
        const std::optional<std::string> spelling = key.spell(options);
        if (!spelling && key.freshValue.empty()) continue;
        text += std::string(key.key) + (spelling ? *spelling : std::string(key.freshValue)) + "\n";
    }
    return text;
}

// The new copy is opened as a regular file only, so that a link left under its name is not
// followed to overwrite another file.
bool writeWholeFile(const fs::path& path, const std::string& text) {
    const OpenedFile opened = openRegularFile(path, FileAccess::Write);
    if (!opened.file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), opened.file) == text.size();
    std::string problem;
    return closeChecked(opened.file, problem) && written;
}

// Puts `text` in place of `target` by writing a sibling file and renaming it over the target.
bool replaceFile(const fs::path& target, const std::string& text) {
    fs::path fresh = target;
    fresh += kNewFileSuffix;
    std::error_code ec;
    if (writeWholeFile(fresh, text)) {
        fs::rename(fresh, target, ec);
        if (!ec) return true;
    }
    fs::remove(fresh, ec);
    return false;
}

bool keepBackup(const fs::path& settings, const fs::path& backup) {
    const ReadFile read = readRegularFile(settings);
    return read.ok && replaceFile(backup, read.content);
}

}  // namespace

bool loadSettings(ViewOptions& options, const std::filesystem::path& programFolder,
                  std::string* problem) {
    const std::optional<std::vector<std::string>> lines =
        readLines(programFolder / kSettingsFileName, problem);
    if (!lines) return false;
    for (const std::string& whole : *lines) {
        std::string_view line = recognisedPart(whole);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (const SettingKey* key = keyOf(line)) key->read(options, line.substr(key->key.size()));
    }
    return true;
}

bool saveSettings(const ViewOptions& options, const std::filesystem::path& programFolder) {
    const fs::path settings = programFolder / kSettingsFileName;
    std::error_code ec;
    if (!fs::exists(settings, ec)) {
        if (ec) return false;
        return replaceFile(settings, freshFile(options));
    }
    const std::optional<std::vector<std::string>> lines = readLines(settings, nullptr);
    if (!lines) return false;
    if (!keepBackup(settings, programFolder / kSettingsBackupName)) return false;
    return replaceFile(settings, rewrittenFile(options, *lines));
}

void saveSettingsCommand(const ViewOptions& options, const std::filesystem::path& programFolder,
                         Host& host) {
    if (host.message(kSaveQuestion, BoxKind::OkCancel) != BoxAnswer::Ok) return;
    host.message(saveSettings(options, programFolder) ? kSaved : kNotSaved, BoxKind::Ok);
}

}  // namespace kavro
