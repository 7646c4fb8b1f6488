// Layout of a paradigm: forms sorted into the cells of their grammar, tables padded to columns.
#include "morph/paradigm_table.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include "core/grammar_codes.h"

namespace kavro {
namespace {

using Cells = std::vector<std::string>;

struct Table {
    std::string title;
    Cells header;
    std::vector<std::pair<std::string, Cells>> rows;
};

// Rows in the order of a school grammar.
constexpr std::array<std::pair<int, std::string_view>, 7> kCaseRows = {{
    {case_type::Nominative, "Nominative"}, {case_type::Genitive, "Genitive"},
    {case_type::Dative, "Dative"},         {case_type::Accusative, "Accusative"},
    {case_type::Ablative, "Ablative"},     {case_type::Vocative, "Vocative"},
    {case_type::Locative, "Locative"},
}};
constexpr std::array<std::pair<int, std::string_view>, 6> kTenseRows = {{
    {tense_type::Present, "Present"},   {tense_type::Imperfect, "Imperfect"},
    {tense_type::Future, "Future"},     {tense_type::Perfect, "Perfect"},
    {tense_type::Pluperfect, "Pluperfect"}, {tense_type::FuturePerfect, "Future perfect"},
}};
constexpr std::array<std::pair<int, std::string_view>, 3> kMoods = {{
    {mood_type::Indicative, "Indicative"}, {mood_type::Subjunctive, "Subjunctive"},
    {mood_type::Imperative, "Imperative"},
}};
constexpr std::array<std::pair<int, std::string_view>, 2> kVoices = {{
    {voice_type::Active, "active"}, {voice_type::Passive, "passive"},
}};
constexpr std::array<std::pair<int, std::string_view>, 3> kDegrees = {{
    {comparison_type::Positive, "Positive"}, {comparison_type::Comparative, "Comparative"},
    {comparison_type::Superlative, "Superlative"},
}};
constexpr std::array<std::string_view, 4> kPersonNames = {"", "1st", "2nd", "3rd"};
constexpr std::array<std::string_view, 3> kGenderColumns = {"Masculine", "Feminine", "Neuter"};
constexpr std::array<std::string_view, 10> kAgeNames = {
    "any age", "archaic", "early", "classical", "late", "later", "medieval", "scholarly", "modern", ""};
constexpr std::string_view kMarkedSign = "*";

std::string_view ordinal(int n) {
    static constexpr std::array<std::string_view, 6> names = {"", "1st", "2nd", "3rd", "4th", "5th"};
    return n >= 1 && n <= 5 ? names[static_cast<std::size_t>(n)] : std::string_view();
}

std::string shown(const ParadigmForm& f) {
    return formIsMarked(f) ? f.form + std::string(kMarkedSign) : f.form;
}

// The forms that pass `keep`, each once, joined by "/".
std::string cell(const std::vector<ParadigmForm>& forms,
                 const std::function<bool(const ParadigmForm&)>& keep) {
    std::vector<std::string> seen;
    for (const ParadigmForm& f : forms) {
        if (!keep(f)) continue;
        const std::string text = shown(f);
        if (std::find(seen.begin(), seen.end(), text) == seen.end()) seen.push_back(text);
    }
    std::string out;
    for (const std::string& s : seen) {
        if (!out.empty()) out += '/';
        out += s;
    }
    return out;
}

bool rowIsEmpty(const Cells& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
}

void addRow(Table& t, std::string_view label, Cells cells) {
    if (!rowIsEmpty(cells)) t.rows.emplace_back(std::string(label), std::move(cells));
}

// The table with every column padded to its widest cell.
std::string render(const Table& t) {
    if (t.rows.empty()) return {};
    std::size_t labelWidth = 0;
    std::size_t columns = t.header.size();
    for (const auto& row : t.rows) columns = std::max(columns, row.second.size());
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& [label, cells] : t.rows) {
        labelWidth = std::max(labelWidth, label.size());
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    }
    for (std::size_t i = 0; i < t.header.size(); ++i) widths[i] = std::max(widths[i], t.header[i].size());
    const auto line = [&](std::string_view label, const Cells& cells) {
        std::string out = "  " + std::string(label);
        out.append(labelWidth - label.size(), ' ');
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
            out += "  ";
            out += cells[i].empty() ? "-" : cells[i];
            if (i + 1 < cells.size())
                out.append(widths[i] - (cells[i].empty() ? 1 : cells[i].size()), ' ');
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out + "\n";
    };
    std::string out = t.title.empty() ? std::string() : t.title + "\n";
    if (!t.header.empty()) {
        std::string head(labelWidth + 2, ' ');
        for (std::size_t i = 0; i < t.header.size(); ++i) {
            head += "  " + t.header[i];
            if (i + 1 < t.header.size()) head.append(widths[i] - t.header[i].size(), ' ');
        }
        out += head + "\n";
    }
    for (const auto& [label, cells] : t.rows) out += line(label, cells);
    return out;
}

bool genderFits(int formGender, int column) {
    if (formGender == gender_type::None) return true;
    if (formGender == gender_type::Common) return column != gender_type::Neuter;
    if (formGender == gender_type::MascNeuter) return column != gender_type::Feminine;
    return formGender == column;
}

bool caseFits(int formCase, int row) { return formCase == row || formCase == case_type::None; }

// Nouns that name a place, the only ones whose locative is shown.
bool namesAPlace(const ParadigmEntry& entry) {
    if (entryPartOfSpeech(entry) != speech_type::Noun) return false;
    const int kind = entry.stems.front().sort;
    return kind == noun_kind_type::Proper || kind == noun_kind_type::Locale ||
           kind == noun_kind_type::Where || kind == noun_kind_type::Country;
}

// True when some form names a gender of its own (masculine, feminine or neuter): the personal
// pronouns do not, and are laid out like nouns.
bool formsHaveGenders(const std::vector<ParadigmForm>& forms) {
    return std::any_of(forms.begin(), forms.end(), [](const ParadigmForm& f) {
        const int g = f.inflection.grammar3;
        return g == gender_type::Masculine || g == gender_type::Feminine || g == gender_type::Neuter;
    });
}

// Nouns (and words declined without gender): case by number.
std::string nounTables(const ParadigmEntry& entry, const std::vector<ParadigmForm>& forms) {
    Table t{"", {"Singular", "Plural"}, {}};
    const int pos = entryPartOfSpeech(entry);
    for (const auto& [c, name] : kCaseRows) {
        if (c == case_type::Locative && !namesAPlace(entry)) continue;
        Cells cells;
        for (int n : {number_type::Singular, number_type::Plural})
            cells.push_back(cell(forms, [pos, c, n](const ParadigmForm& f) {
                return f.partOfSpeech == pos && caseFits(f.inflection.grammar1, c) &&
                       (f.inflection.grammar2 == n || f.inflection.grammar2 == number_type::None);
            }));
        addRow(t, name, std::move(cells));
    }
    return render(t);
}

constexpr int kAnyDegree = -1;

// Declined words with gender: for each number, case by gender, the forms of one degree
// (comparison code; kAnyDegree takes every form).
std::string genderTables(const std::vector<ParadigmForm>& forms, int partOfSpeech, int degree,
                         std::string_view title) {
    std::string out;
    for (int n : {number_type::Singular, number_type::Plural}) {
        const bool singular = n == number_type::Singular;
        Table t{title.empty() ? std::string(singular ? "Singular" : "Plural")
                              : std::string(title) + (singular ? "singular" : "plural"),
                {std::string(kGenderColumns[0]), std::string(kGenderColumns[1]), std::string(kGenderColumns[2])},
                {}};
        for (const auto& [c, name] : kCaseRows) {
            Cells cells;
            for (int g : {gender_type::Masculine, gender_type::Feminine, gender_type::Neuter})
                cells.push_back(cell(forms, [&, c, n, g](const ParadigmForm& f) {
                    const InflectionRecord& r = f.inflection;
                    return (f.partOfSpeech & 0x1F) == partOfSpeech && caseFits(r.grammar1, c) &&
                           (r.grammar2 == n || r.grammar2 == number_type::None) &&
                           genderFits(r.grammar3, g) && (degree == kAnyDegree || r.grammar4 == degree);
                }));
            addRow(t, name, std::move(cells));
        }
        out += render(t);
    }
    return out;
}

std::string adjectiveTables(const std::vector<ParadigmForm>& forms) {
    std::string out;
    for (const auto& [d, name] : kDegrees)
        out += genderTables(forms, speech_type::Adjective, d, std::string(name) + ", ");
    // Forms without a degree (a few irregular ones).
    out += genderTables(forms, speech_type::Adjective, comparison_type::None, "");
    return out;
}

bool isFinite(const ParadigmForm& f, int mood, int voice, int tense, int person, int number) {
    const InflectionRecord& r = f.inflection;
    return f.partOfSpeech == speech_type::Verb && r.grammar3 == mood && r.grammar2 == voice &&
           r.grammar1 == tense && r.grammar4 == person && r.grammar5 == number;
}

// The forms of "sum" that make the perfect passive tenses with the perfect participle, by mood
// and tense, persons 1 to 3 singular then plural.
struct CompoundTense {
    int mood;
    int tense;
    std::array<std::string_view, 6> auxiliary;
};
constexpr std::array<CompoundTense, 5> kPerfectPassiveTenses = {{
    {mood_type::Indicative, tense_type::Perfect, {"sum", "es", "est", "sumus", "estis", "sunt"}},
    {mood_type::Indicative, tense_type::Pluperfect, {"eram", "eras", "erat", "eramus", "eratis", "erant"}},
    {mood_type::Indicative, tense_type::FuturePerfect, {"ero", "eris", "erit", "erimus", "eritis", "erunt"}},
    {mood_type::Subjunctive, tense_type::Perfect, {"sim", "sis", "sit", "simus", "sitis", "sint"}},
    {mood_type::Subjunctive, tense_type::Pluperfect, {"essem", "esses", "esset", "essemus", "essetis", "essent"}},
}};

// The masculine nominative of a participle in one number (the first form without a mark).
std::string participleNominative(const std::vector<ParadigmForm>& forms, int tense, int voice, int number) {
    for (const ParadigmForm& f : forms) {
        const InflectionRecord& r = f.inflection;
        if (f.partOfSpeech == speech_type::Participle && r.grammar4 == tense && r.grammar5 == voice &&
            r.grammar1 == case_type::Nominative && r.grammar2 == number &&
            genderFits(r.grammar3, gender_type::Masculine) && !formIsMarked(f))
            return f.form;
    }
    return {};
}

// The perfect passive tenses: the perfect participle with the forms of "sum".
void addPerfectPassiveRows(Table& t, const std::vector<ParadigmForm>& forms, int mood) {
    const std::string singular = participleNominative(forms, tense_type::Perfect, voice_type::Passive, number_type::Singular);
    const std::string plural = participleNominative(forms, tense_type::Perfect, voice_type::Passive, number_type::Plural);
    if (singular.empty() || plural.empty()) return;
    for (const CompoundTense& c : kPerfectPassiveTenses) {
        if (c.mood != mood) continue;
        Cells cells;
        for (std::size_t i = 0; i < c.auxiliary.size(); ++i)
            cells.push_back((i < 3 ? singular : plural) + " " + std::string(c.auxiliary[i]));
        const auto& row = *std::find_if(kTenseRows.begin(), kTenseRows.end(),
                                        [&c](const auto& r) { return r.first == c.tense; });
        addRow(t, row.second, std::move(cells));
    }
}

std::string finiteTables(const std::vector<ParadigmForm>& forms) {
    std::string out;
    for (const auto& [mood, moodName] : kMoods) {
        for (const auto& [voice, voiceName] : kVoices) {
            // The imperative has no first person.
            const int firstPerson = mood == mood_type::Imperative ? 2 : 1;
            Table t{std::string(moodName) + " " + std::string(voiceName), {}, {}};
            for (int number : {number_type::Singular, number_type::Plural})
                for (int person = firstPerson; person <= 3; ++person)
                    t.header.push_back(std::string(kPersonNames[person]) +
                                       (number == number_type::Singular ? " sg" : " pl"));
            for (const auto& [tense, tenseName] : kTenseRows) {
                Cells cells;
                for (int number : {number_type::Singular, number_type::Plural})
                    for (int person = firstPerson; person <= 3; ++person)
                        cells.push_back(cell(forms, [=](const ParadigmForm& f) {
                            return isFinite(f, mood, voice, tense, person, number);
                        }));
                addRow(t, tenseName, std::move(cells));
            }
            if (voice == voice_type::Passive)
                addPerfectPassiveRows(t, forms, mood);
            out += render(t);
        }
    }
    return out;
}

// The infinitives made with "esse" and "iri": perfect passive, future active, future passive.
void addCompoundInfinitives(Table& t, const std::vector<ParadigmForm>& forms) {
    const std::string perfect = participleNominative(forms, tense_type::Perfect, voice_type::Passive, number_type::Singular);
    const std::string future = participleNominative(forms, tense_type::Future, voice_type::Active, number_type::Singular);
    if (!perfect.empty()) addRow(t, "Perfect passive", {perfect + " esse"});
    if (!future.empty()) {
        // "fore" of sum stands beside "futurus esse".
        const auto simple = std::find_if(t.rows.begin(), t.rows.end(),
                                         [](const auto& row) { return row.first == "Future active"; });
        if (simple != t.rows.end()) simple->second[0] += "/" + future + " esse";
        else addRow(t, "Future active", {future + " esse"});
    }
    const std::string supine = cell(forms, [](const ParadigmForm& f) {
        return f.partOfSpeech == speech_type::Supine && f.inflection.grammar1 == case_type::Accusative &&
               !formIsMarked(f);
    });
    if (!supine.empty() && supine.find('/') == std::string::npos) addRow(t, "Future passive", {supine + " iri"});
}

std::string infinitiveTable(const std::vector<ParadigmForm>& forms) {
    Table t{"Infinitives", {}, {}};
    for (const auto& [tense, tenseName] : kTenseRows)
        for (const auto& [voice, voiceName] : kVoices)
            addRow(t, std::string(tenseName) + " " + std::string(voiceName),
                   {cell(forms, [tense, voice](const ParadigmForm& f) {
                       const InflectionRecord& r = f.inflection;
                       return f.partOfSpeech == speech_type::Verb && r.grammar3 == mood_type::Infinitive &&
                              r.grammar1 == tense && r.grammar2 == voice;
                   })});
    addCompoundInfinitives(t, forms);
    return render(t);
}

bool isParticiple(const ParadigmForm& f, int tense, int voice) {
    const InflectionRecord& r = f.inflection;
    return f.partOfSpeech == speech_type::Participle && r.grammar4 == tense && r.grammar5 == voice;
}

// Participles by their nominative singular in each gender and their genitive singular; the
// gerund from the neuter singular of the gerundive; the supine.
std::string participleTable(const std::vector<ParadigmForm>& forms) {
    Table t{"Participles, gerund and supine", {}, {}};
    for (const auto& [tense, tenseName] : kTenseRows) {
        for (const auto& [voice, voiceName] : kVoices) {
            std::string text;
            for (int g : {gender_type::Masculine, gender_type::Feminine, gender_type::Neuter}) {
                const std::string nominative = cell(forms, [=](const ParadigmForm& f) {
                    const InflectionRecord& r = f.inflection;
                    return isParticiple(f, tense, voice) && r.grammar1 == case_type::Nominative &&
                           r.grammar2 == number_type::Singular && genderFits(r.grammar3, g);
                });
                if (!nominative.empty() && text.find(nominative) == std::string::npos)
                    text += (text.empty() ? "" : ", ") + nominative;
            }
            const std::string genitive = cell(forms, [=](const ParadigmForm& f) {
                const InflectionRecord& r = f.inflection;
                return isParticiple(f, tense, voice) && r.grammar1 == case_type::Genitive &&
                       r.grammar2 == number_type::Singular && genderFits(r.grammar3, gender_type::Masculine);
            });
            if (!text.empty() && !genitive.empty()) text += " (genitive " + genitive + ")";
            const std::string label = std::string(tenseName) + " " + std::string(voiceName) +
                                      (tense == tense_type::Future && voice == voice_type::Passive
                                           ? " (gerundive)" : "");
            addRow(t, label, {text});
        }
    }
    std::string gerund;
    for (int c : {case_type::Genitive, case_type::Dative, case_type::Accusative, case_type::Ablative}) {
        const std::string form = cell(forms, [c](const ParadigmForm& f) {
            const InflectionRecord& r = f.inflection;
            return isParticiple(f, tense_type::Future, voice_type::Passive) && r.grammar1 == c &&
                   r.grammar2 == number_type::Singular && genderFits(r.grammar3, gender_type::Neuter);
        });
        if (!form.empty()) gerund += (gerund.empty() ? "" : ", ") + form;
    }
    addRow(t, "Gerund", {gerund});
    std::string supine;
    for (int c : {case_type::Accusative, case_type::Ablative}) {
        const std::string form = cell(forms, [c](const ParadigmForm& f) {
            return f.partOfSpeech == speech_type::Supine && f.inflection.grammar1 == c;
        });
        if (!form.empty()) supine += (supine.empty() ? "" : ", ") + form;
    }
    addRow(t, "Supine", {supine});
    return render(t);
}

std::string adverbTable(const std::vector<ParadigmForm>& forms) {
    Table t{"", {}, {}};
    for (const auto& [d, name] : kDegrees)
        addRow(t, name, {cell(forms, [d](const ParadigmForm& f) {
                   return (f.partOfSpeech & 0x1F) == speech_type::Adverb && f.inflection.grammar4 == d;
               })});
    addRow(t, "Form", {cell(forms, [](const ParadigmForm& f) {
               return (f.partOfSpeech & 0x1F) == speech_type::Adverb && f.inflection.grammar4 == 0;
           })});
    return render(t);
}

std::string invariableTable(const std::vector<ParadigmForm>& forms) {
    Table t{"", {}, {}};
    addRow(t, "Form", {cell(forms, [](const ParadigmForm&) { return true; })});
    return render(t);
}

std::string markedNotes(const std::vector<ParadigmForm>& forms) {
    std::vector<std::string> lines;
    for (const ParadigmForm& f : forms) {
        if (!formIsMarked(f)) continue;
        const char age = formAgeLetter(f);
        const std::size_t ageIndex = std::string_view("XABCDEFGH").find(age);
        std::string line = "  " + f.form + kMarkedSign.data() + "  age " + age;
        if (ageIndex != std::string_view::npos && ageIndex > 0)
            line += " (" + std::string(kAgeNames[ageIndex]) + ")";
        if (formFrequencyLetter(f) != 'X') {
            line += ", frequency ";
            line += formFrequencyLetter(f);
        }
        line += '\n';
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
    }
    if (lines.empty()) return {};
    std::string out = "Forms marked *: age and frequency letter of the inflection\n";
    for (const std::string& l : lines) out += l;
    return out;
}

std::string genderName(int g) {
    switch (g) {
    case gender_type::Masculine: return "masculine";
    case gender_type::Feminine: return "feminine";
    case gender_type::Neuter: return "neuter";
    case gender_type::Common: return "common gender";
    default: return {};
    }
}

std::string conjugationName(int which, int variant) {
    if (which == 3 && variant == 4) return "4th conjugation";
    if (which == 3 && (variant == 2 || variant == 3)) return "irregular";   // fero, fio
    if (which == 8) return "early short forms";                           // faxo, amasso
    if (which >= 1 && which <= 3) return std::string(ordinal(which)) + " conjugation";
    if (which == 7) return "defective";
    return "irregular";
}

}  // namespace

std::string entryClassName(const ParadigmEntry& entry) {
    if (entry.stems.empty()) return {};
    const StemRecord& s = entry.stems.front();
    switch (entryPartOfSpeech(entry)) {
    case speech_type::Noun: {
        std::string name = "noun";
        if (!ordinal(s.which).empty()) name += ", " + std::string(ordinal(s.which)) + " declension";
        else if (s.which == 9) name += ", indeclinable";
        const std::string gender = genderName(s.genderOrKind);
        return gender.empty() ? name : name + ", " + gender;
    }
    case speech_type::Pronoun: return "pronoun";
    case speech_type::Pack: return "pronoun (with a particle)";
    case speech_type::Adjective:
        if (s.which == 1) return "adjective, 1st and 2nd declension";
        return ordinal(s.which).empty() ? "adjective"
                                        : "adjective, " + std::string(ordinal(s.which)) + " declension";
    case speech_type::Numeral: return "numeral";
    case speech_type::Adverb: return "adverb";
    case speech_type::Verb:
        return "verb, " + conjugationName(s.which, s.variant) +
               (isDeponentEntry(entry) ? ", deponent: passive forms, active meaning" : "");
    case speech_type::Preposition: return "preposition";
    case speech_type::Conjunction: return "conjunction";
    case speech_type::Interjection: return "interjection";
    default: return "word";
    }
}

std::string paradigmTable(const ParadigmEntry& entry, const std::vector<ParadigmForm>& forms) {
    std::string out = entry.citation + "  (" + entryClassName(entry) + ")\n  " + entry.english + "\n";
    switch (entryPartOfSpeech(entry)) {
    case speech_type::Noun: out += nounTables(entry, forms); break;
    case speech_type::Pronoun:
    case speech_type::Pack:
    case speech_type::Numeral:
        out += formsHaveGenders(forms) ? genderTables(forms, entryPartOfSpeech(entry), kAnyDegree, "")
                                       : nounTables(entry, forms);
        break;
    case speech_type::Adjective: out += adjectiveTables(forms); break;
    case speech_type::Verb:
        out += finiteTables(forms);
        out += infinitiveTable(forms);
        out += participleTable(forms);
        break;
    case speech_type::Adverb: out += adverbTable(forms); break;
    default: out += invariableTable(forms); break;
    }
    out += markedNotes(forms);
    return out;
}

// Entries with the same citation form and part of speech (the senses of "qui" as relative,
// interrogative, indefinite pronoun, each with some of the forms) share one table of all their
// forms; their other meanings follow the heading.
std::string paradigmTables(Engine& engine, const std::vector<ParadigmEntry>& entries) {
    std::vector<bool> done(entries.size(), false);
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (done[i]) continue;
        const ParadigmEntry& e = entries[i];
        std::vector<ParadigmForm> forms = generateParadigm(engine, e);
        std::string also;
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            const ParadigmEntry& other = entries[j];
            if (done[j] || other.citation != e.citation || entryPartOfSpeech(other) != entryPartOfSpeech(e))
                continue;
            done[j] = true;
            const std::vector<ParadigmForm> more = generateParadigm(engine, other);
            forms.insert(forms.end(), more.begin(), more.end());
            if (other.english != e.english && also.find(other.english) == std::string::npos)
                also += "  " + other.english + "\n";
        }
        std::string table = paradigmTable(e, forms);
        const std::size_t headingEnd = table.find('\n', table.find('\n') + 1);
        if (!also.empty() && headingEnd != std::string::npos) table.insert(headingEnd + 1, also);
        if (!text.empty()) text += '\n';
        text += table;
    }
    return text;
}

}  // namespace kavro
