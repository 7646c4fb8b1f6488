// The package's text files: UNIQUES.LAT (3-line records of irregular forms) and ADDONS.LAT
// (3-line PREFIX / SUFFIX / TACKON records with "--" comment lines), and whole-file reading.
#include <cctype>
#include <fstream>
#include <sstream>

#include "tools/mkdata/data_error.h"
#include "tools/mkdata/package_codes.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

struct TextLine {
    std::size_t number;   // from 1
    std::string text;
};

std::string trim(const std::string& s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(" \t") + 1 - b);
}

std::vector<std::string> tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string t; in >> t;) out.push_back(t);
    return out;
}

// The lines that carry records: CR removed, "--" comments and blank lines left out.
std::vector<TextLine> recordLines(const std::string& text) {
    std::vector<TextLine> lines;
    std::istringstream in(text);
    std::size_t number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("--", 0) == 0 || trim(line).empty()) continue;
        lines.push_back({number, line});
    }
    return lines;
}

// Letters only; an underscore may join two words, as the tokenizer writes "id_est".
bool isUniqueForm(const std::string& form) {
    for (std::size_t k = 0; k < form.size(); ++k) {
        const auto c = static_cast<unsigned char>(form[k]);
        const bool joint = c == '_' && k > 0 && k + 1 < form.size() && form[k - 1] != '_';
        if (!std::isalpha(c) && !joint) return false;
    }
    return true;
}

class UniqueLineParser {
public:
    UniqueLineParser(const std::string& file, std::size_t line, PackageUnique& u)
        : file_(file), line_(line), u_(u) {}

    void parse(const std::vector<std::string>& t) {
        t_ = t;
        if (t_.size() < 8) fail("too few grammar fields");
        u_.partOfSpeech = code(0, partOfSpeechNames(), "part of speech");
        u_.which = number(1, 9, "declension");
        u_.variant = number(2, 9, "variant");
        const std::size_t used = grammar();
        if (t_.size() != used + 5)
            fail("expected " + std::to_string(used + 5) + " fields, found " +
                 std::to_string(t_.size()));
        u_.age = code(used, ageLetters(), "age");
        u_.area = code(used + 1, areaLetters(), "area");
        u_.geo = code(used + 2, geoLetters(), "geo");
        u_.frequency = code(used + 3, frequencyLetters(), "frequency");
        u_.source = code(used + 4, sourceLetters(), "source");
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        throw DataError(file_ + " line " + std::to_string(line_) + " (unique '" + u_.form +
                        "'): " + what);
    }
    std::uint8_t code(std::size_t i, NameList list, const char* field, bool ignoreCase = false) {
        if (i >= t_.size()) fail(std::string("missing ") + field);
        auto c = codeOf(list, t_[i], ignoreCase);
        if (!c) fail(std::string("bad ") + field + " '" + t_[i] + "'");
        return *c;
    }
    std::uint8_t number(std::size_t i, int max, const char* field) {
        if (i >= t_.size() || t_[i].size() != 1 || !std::isdigit(static_cast<unsigned char>(t_[i][0])) ||
            t_[i][0] - '0' > max)
            fail(std::string("bad ") + field);
        return static_cast<std::uint8_t>(t_[i][0] - '0');
    }
    void declined() {
        u_.grammar[0] = code(3, caseNames(), "case");
        u_.grammar[1] = code(4, numberNames(), "number");
        u_.grammar[2] = code(5, genderNames(), "gender");
    }
    // Fills the grammar bytes; returns the number of tokens used before the five codes.
    std::size_t grammar() {
        switch (u_.partOfSpeech) {
        case pos::N:
            declined();
            u_.grammar[3] = engineNounKind(code(6, nounKindLetters(), "noun kind", true));
            return 7;
        case pos::PRON: case pos::PACK:
            declined();
            u_.grammar[3] = code(6, pronounKindNames(), "pronoun kind");
            return 7;
        case pos::ADJ: declined(); u_.grammar[3] = code(6, comparisonNames(), "comparison"); return 7;
        case pos::NUM: declined(); u_.grammar[3] = code(6, numeralSortNames(), "numeral sort"); return 7;
        case pos::V:
            u_.grammar[0] = code(3, tenseNames(), "tense");
            u_.grammar[1] = code(4, voiceNames(), "voice");
            u_.grammar[2] = code(5, moodNames(), "mood");
            u_.grammar[3] = number(6, 3, "person");
            u_.grammar[4] = code(7, numberNames(), "number");
            u_.grammar[5] = code(8, verbKindNames(), "verb kind");
            return 9;
        case pos::ADV:   // the comparison is also the adverb's stem key (1 POS, 2 COMP, 3 SUPER)
            u_.grammar[3] = code(3, comparisonNames(), "comparison");
            u_.grammar[0] = u_.grammar[3];
            return 4;
        case pos::PREP: u_.grammar[0] = code(3, caseNames(), "case"); return 4;
        case pos::CONJ: case pos::INTERJ: return 3;
        default: fail("unexpected part of speech");
        }
    }

    const std::string& file_;
    std::size_t line_;
    PackageUnique& u_;
    std::vector<std::string> t_;
};

// The part entry of a tackon's base: "X", "PRON 4 1 X", "N 3 0 C P", "PACK 1 0 REL", ...
void parseTackonBase(const std::string& file, const TextLine& line, PackageTackon& t) {
    const auto tok = tokens(line.text);
    auto fail = [&](const std::string& what) {
        throw DataError(file + " line " + std::to_string(line.number) + " (tackon '" + t.key +
                        "'): " + what);
    };
    if (tok.empty()) fail("missing part entry");
    const auto p = codeOf(partOfSpeechNames(), tok[0]);
    if (!p) fail("bad part of speech '" + tok[0] + "'");
    t.basePartOfSpeech = *p;
    for (std::size_t i = 0; i < tok.size(); ++i) t.baseEntry += (i ? " " : "") + tok[i];
    if (*p == pos::X || *p == pos::ADV) return;
    if (tok.size() < 3 || tok[1].size() != 1 || tok[2].size() != 1 || !std::isdigit(static_cast<unsigned char>(tok[1][0])) ||
        !std::isdigit(static_cast<unsigned char>(tok[2][0])))
        fail("bad declension and variant in '" + t.baseEntry + "'");
    t.baseWhich = static_cast<std::uint8_t>(tok[1][0] - '0');
    t.baseVariant = static_cast<std::uint8_t>(tok[2][0] - '0');
}

}  // namespace

std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw DataError(file.string() + ": cannot be read (is the package whitakers-words-data "
                                        "installed, and the data folder complete?)");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<PackageUnique> decodeUniques(const std::string& text, const std::string& name) {
    const auto lines = recordLines(text);
    if (lines.size() % 3 != 0)
        throw DataError(name + ": truncated (" + std::to_string(lines.size()) +
                        " record lines are not whole 3-line records)");
    std::vector<PackageUnique> uniques;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        PackageUnique u;
        u.record = i / 3 + 1;
        u.sourceFile = name;
        u.form = trim(lines[i].text);
        if (!isUniqueForm(u.form))
            throw DataError(name + " line " + std::to_string(lines[i].number) +
                            ": the form '" + u.form + "' is not a single word");
        UniqueLineParser(name, lines[i + 1].number, u).parse(tokens(lines[i + 1].text));
        u.meaning = trim(lines[i + 2].text);
        uniques.push_back(std::move(u));
    }
    return uniques;
}

std::vector<PackageUnique> readUniques(const std::filesystem::path& file) {
    return decodeUniques(readWholeFile(file), file.string());
}

PackageAddons decodeAddons(const std::string& text, const std::string& name) {
    const auto lines = recordLines(text);
    if (lines.size() % 3 != 0)
        throw DataError(name + ": truncated (" + std::to_string(lines.size()) +
                        " record lines are not whole 3-line records)");
    PackageAddons addons;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        const auto head = tokens(lines[i].text);
        const std::string keyword = head.empty() ? "" : head[0];
        if (head.size() < 2)
            throw DataError(name + " line " + std::to_string(lines[i].number) +
                            ": expected a PREFIX, SUFFIX or TACKON line");
        if (keyword == "PREFIX") { ++addons.prefixes; continue; }
        if (keyword == "SUFFIX") { ++addons.suffixes; continue; }
        if (keyword != "TACKON")
            throw DataError(name + " line " + std::to_string(lines[i].number) +
                            ": expected a PREFIX, SUFFIX or TACKON line, found '" + keyword + "'");
        PackageTackon t;
        t.record = i / 3 + 1;
        t.key = head[1];
        parseTackonBase(name, lines[i + 1], t);
        t.meaning = trim(lines[i + 2].text);
        addons.tackons.push_back(std::move(t));
    }
    return addons;
}

PackageAddons readAddons(const std::filesystem::path& file) {
    return decodeAddons(readWholeFile(file), file.string());
}

}  // namespace kavro::mkdata
