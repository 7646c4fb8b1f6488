#include "tools/mkdata/sense_compiler.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/meaning_senses.h"
#include "morph/meanings.h"
#include "tools/mkdata/data_error.h"

namespace kavro::mkdata {
namespace {

// The part-of-speech groups of the table, by the stem's part of speech (its low five bits).
std::string_view groupOf(int partOfSpeech) {
    switch (partOfSpeech & 0x1F) {
    case speech_type::Noun: return "N";
    case speech_type::Pronoun: return "PRON";
    case speech_type::Adjective: return "ADJ";
    case speech_type::Numeral: return "NUM";
    case speech_type::Adverb: return "ADV";
    case speech_type::Verb:
    case speech_type::Participle:
    case speech_type::Supine: return "V";
    case speech_type::Preposition: return "PREP";
    case speech_type::Conjunction: return "CONJ";
    case speech_type::Interjection: return "INTERJ";
    default: return {};
    }
}

char foldLetter(char c) {
    if (c == 'j') return 'i';
    if (c == 'v') return 'u';
    if (c == 'J') return 'I';
    if (c == 'V') return 'U';
    return c;
}

// The headword of a citation form (or of a table line): its text up to the first blank or
// comma, j and v folded, so that a line may spell it either way.
std::string headwordOf(std::string_view latin) {
    std::string head(latin.substr(0, latin.find_first_of(" ,")));
    for (char& c : head) c = foldLetter(c);
    return head;
}

// The cases a rule may name, by their three letters.
constexpr std::pair<std::string_view, int> kCaseNames[] = {
    {"NOM", case_type::Nominative}, {"VOC", case_type::Vocative}, {"GEN", case_type::Genitive},
    {"LOC", case_type::Locative},   {"DAT", case_type::Dative},   {"ABL", case_type::Ablative},
    {"ACC", case_type::Accusative}};

// Fills the condition of `rule` from a context field; false when the field means nothing.
bool readCondition(std::string_view context, SenseChoiceRecord& rule) {
    if (context == "-") {
        rule.condition = sense_condition::Usual;
        return true;
    }
    if (context == "capital" || context == "lower" || context == "before:name") {
        rule.condition = context == "capital"  ? sense_condition::Capital
                         : context == "lower" ? sense_condition::LowerCase
                                              : sense_condition::BeforeName;
        return true;
    }
    if (context.starts_with("after:") && context.size() > 6 && context.size() - 6 < sizeof rule.argument) {
        rule.condition = sense_condition::AfterWord;
        copyField(rule.argument, context.substr(6));
        return true;
    }
    if (context.starts_with("case:")) {
        for (const auto& [name, code] : kCaseNames) {
            if (context.substr(5) != name) continue;
            rule.condition = sense_condition::Case;
            rule.caseCode = static_cast<std::uint8_t>(code);
            return true;
        }
    }
    return false;
}

// The senses of a meaning record's English as a reading sees them under the general area.
std::vector<std::string> recordSenses(const MeaningRecord& record, std::uint8_t subject) {
    std::string english(fieldText(record.english));
    selectAreaMeaning(english, 0, 0, subject);
    dropParentheticals(english);
    return meaningSenses(english);
}

}  // namespace

CompiledSenses compileSenses(const std::vector<SourceLine>& lines, const std::vector<StemRecord>& stems,
                             const std::vector<MeaningRecord>& meanings, const std::string& file) {
    // The meaning records of each headword and part-of-speech group, with their subject.
    std::map<std::pair<std::string, std::string>, std::set<std::pair<std::uint32_t, std::uint8_t>>> entries;
    for (const StemRecord& stem : stems) {
        const std::string_view group = groupOf(stem.partOfSpeech);
        if (group.empty() || stem.meaningIndex >= meanings.size()) continue;
        const std::string head = headwordOf(fieldText(meanings[stem.meaningIndex].latin));
        entries[{head, std::string(group)}].insert({stem.meaningIndex, subjectOf(stem)});
    }
    CompiledSenses out;
    for (const SourceLine& line : lines) {
        const std::string& sense = line.fields[2];
        SenseChoiceRecord rule{};
        if (!readCondition(line.fields[3], rule))
            throw recordError(file, line.number, "unknown context '" + line.fields[3] + "'");
        if (sense.empty() || sense.size() >= sizeof rule.sense)
            throw recordError(file, line.number, "sense empty or longer than 47 characters");
        copyField(rule.sense, sense);
        bool matched = false;
        const auto found = entries.find({headwordOf(line.fields[0]), line.fields[1]});
        if (found != entries.end()) {
            for (const auto& [index, subject] : found->second) {
                const auto own = recordSenses(meanings[index], subject);
                if (std::find(own.begin(), own.end(), sense) == own.end()) continue;
                rule.meaningIndex = index;
                out.rules.push_back(rule);
                matched = true;
            }
        }
        if (!matched) ++out.unmatchedLines;
    }
    std::stable_sort(out.rules.begin(), out.rules.end(),
                     [](const SenseChoiceRecord& a, const SenseChoiceRecord& b) {
                         return a.meaningIndex < b.meaningIndex;
                     });
    return out;
}

std::vector<NameRecord> compileNames(const std::vector<SourceLine>& lines, const std::string& file) {
    std::vector<NameRecord> names;
    for (const SourceLine& line : lines) {
        NameRecord name{};
        std::string form = line.fields[0];
        for (char& c : form) c = foldLetter(c);
        if (form.empty() || form.size() >= sizeof name.form || line.fields[1].empty() ||
            line.fields[1].size() >= sizeof name.english)
            throw recordError(file, line.number, "form or English empty or longer than 23 characters");
        copyField(name.form, form);
        copyField(name.english, line.fields[1]);
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const NameRecord& a, const NameRecord& b) {
        return fieldText(a.form) < fieldText(b.form);
    });
    for (std::size_t i = 1; i < names.size(); ++i) {
        if (fieldText(names[i].form) == fieldText(names[i - 1].form))
            throw DataError(file + ": the form '" + std::string(fieldText(names[i].form)) + "' twice");
    }
    return names;
}

}  // namespace kavro::mkdata
