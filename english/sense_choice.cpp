// The senses of the chosen readings in their sentence and the English forms of names.
#include "english/sense_choice.h"

#include <algorithm>
#include <string>

#include "core/grammar_codes.h"
#include "english/chosen_reading.h"
#include "morph/meaning_senses.h"
#include "morph/meanings.h"

namespace kavro {
namespace {

bool isNominal(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Noun || r.partOfSpeech == speech_type::Pronoun ||
           r.partOfSpeech == speech_type::Adjective || r.partOfSpeech == speech_type::Numeral ||
           r.partOfSpeech == speech_type::SubstantiveAdjective ||
           r.partOfSpeech == speech_type::Participle;
}

// Parts of speech that agree well enough to take one entry's senses: a participle and a supine
// read their verb's, a substantive adjective its adjective's.
int speechGroup(int partOfSpeech) {
    switch (partOfSpeech & 0x3F) {
    case speech_type::Participle:
    case speech_type::Supine: return speech_type::Verb;
    case speech_type::SubstantiveAdjective: return speech_type::Adjective;
    default: return partOfSpeech & 0x1F;
    }
}

// The analysed form without its full stops ("domin.us" gives "dominus").
std::string plainForm(const WordAnalysis& r) {
    std::string form(formOf(r));
    std::erase(form, '.');
    return form;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The reading's English without its "~" and without a cut's "*".
std::string_view plainEnglish(const WordAnalysis& r) {
    std::string_view english = englishOf(r);
    if (english.starts_with('~')) english.remove_prefix(1);
    if (english.ends_with('*')) english.remove_suffix(1);
    return english;
}

// True when the entry's English, as a reading sees it, has a sense that the reading's English
// is (or begins, when the reading's was cut).
bool entryGaveEnglish(const MeaningRecord& record, std::uint8_t subject, const WordAnalysis& r) {
    std::string english(fieldText(record.english));
    selectAreaMeaning(english, 0, 0, subject);
    dropParentheticals(english);
    const std::string_view own = plainEnglish(r);
    if (own.empty()) return false;
    for (const std::string& sense : meaningSenses(english))
        if (sense == own || (englishOf(r).ends_with('*') && sense.starts_with(own))) return true;
    return false;
}

// The sense rules of the entry the reading was taken from: the first entry with rules whose
// stem is the reading's, of its part of speech, and whose English gave the reading's.
std::span<const SenseChoiceRecord> rulesOfReading(const Lexicon& lexicon, const WordAnalysis& r) {
    if (lexicon.senseChoices.empty()) return {};
    const std::string_view form = formOf(r);
    const std::string_view stem = form.substr(0, form.find('.'));
    if (stem.empty()) return {};
    const auto first = std::lower_bound(
        lexicon.stems.begin(), lexicon.stems.end(), stem,
        [](const StemRecord& s, std::string_view text) { return compareFieldText(s.stem, text) < 0; });
    for (auto it = first; it != lexicon.stems.end() && compareFieldText(it->stem, stem) == 0; ++it) {
        if (speechGroup(it->partOfSpeech) != speechGroup(r.partOfSpeech)) continue;
        if (it->meaningIndex >= lexicon.meanings.size() || isUserEntry(*it) || isBotanyEntry(*it)) continue;
        const auto rules = senseRulesOf(lexicon, it->meaningIndex);
        if (rules.empty() || !entryGaveEnglish(lexicon.meanings[it->meaningIndex], subjectOf(*it), r))
            continue;
        return rules;
    }
    return {};
}

void storeEnglish(WordAnalysis& r, std::string_view english) {
    std::string text = englishOf(r).starts_with('~') ? "~" : "";
    text += english;
    fitAnalysisEnglish(text);
    copyField(r.english, text);
}

// A name of a people whose English is a plural already ("Germans", "Gauls") takes no further
// plural ending: "the Germans", not "the Germanses".
void keepPluralName(WordAnalysis& r) {
    const std::string_view english = englishOf(r);
    const bool proper = !english.empty() && english[0] >= 'A' && english[0] <= 'Z';
    if (proper && r.partOfSpeech == speech_type::Noun && r.grammar2 == number_type::Plural &&
        english.ends_with('s'))
        r.grammar4 = 1;   // a noun of one number: no plural marker
}

bool isVowel(char c) {
    return std::string_view("aeiouyAEIOUY").find(c) != std::string_view::npos;
}

// A consonantal u between vowels or before a vowel at the start is written v, as English writes
// Latin names ("Lauinia" is Lavinia, "Dauid" David); an i that opens the word before a vowel is
// a consonant itself ("Iuuenalis" is Iuvenalis).
std::string withConsonantV(std::string name) {
    for (std::size_t i = 0; i + 1 < name.size(); ++i) {
        if (name[i] != 'u' && name[i] != 'U') continue;
        const bool afterVowel = i == 0 || (isVowel(name[i - 1]) && !(i == 1 && (name[0] == 'I' || name[0] == 'i')));
        if (afterVowel && isVowel(name[i + 1])) name[i] = name[i] == 'u' ? 'v' : 'V';
    }
    return name;
}

// The analysed form as the text wrote it: without its full stops, NOT FOUND brackets or "*".
std::string writtenForm(const WordAnalysis& r) {
    std::string form = plainForm(r);
    std::erase_if(form, [](char c) { return c == '[' || c == ']' || c == '*'; });
    return form;
}

// A word the name table knows, written with a capital, or a name or unknown word, is written
// as the English name: a noun of one number, in the case it had (the nominative for a word that
// had none). A name guessed from its capital and not in the table is written as the text has it
// (never declined: "Absalom", not "Absalomus").
void useNameForm(Engine& engine, int position, WordAnalysis& r) {
    const bool capital = (r.reserved23 & kCapitalInMidSentence) != 0;
    const bool guessed = (r.reserved23 & kGuessedName) != 0;
    const std::string_view english = englishOf(r);
    const bool proper = !english.empty() && english[0] >= 'A' && english[0] <= 'Z';
    const bool notFound = r.partOfSpeech == speech_type::NotFound;
    if (!capital && !proper && !notFound && !guessed) return;
    // A capitalised interjection of the dictionary that is no exclamation ("Heli" of the
    // Psalm's cry) stands for the name.
    const bool nameInterjection =
        r.partOfSpeech == speech_type::Interjection && proper && formOf(r).size() > 1 &&
        formOf(r)[0] >= 'A' && formOf(r)[0] <= 'Z' &&
        position + 1 < sentenceLength(engine) &&
        chosenReading(engine, position + 1).partOfSpeech != speech_type::Punctuation;
    std::string form = writtenForm(r);
    if (form.empty()) return;
    if (form[0] >= 'a' && form[0] <= 'z') form[0] = static_cast<char>(form[0] - 'a' + 'A');
    std::string name(nameFormOf(engine.lexicon, form));
    if (name.empty() && ((guessed && r.partOfSpeech == speech_type::Noun) || nameInterjection))
        name = withConsonantV(form);
    if (name.empty()) {
        keepPluralName(r);
        return;
    }
    if (!isNominal(r) || r.partOfSpeech == speech_type::Participle) {
        r.grammar1 = case_type::Nominative;
        r.grammar3 = gender_type::Masculine;
    }
    const bool nameKind = r.partOfSpeech == speech_type::Noun &&
                          (r.kind2 == noun_kind_type::Proper || r.kind2 == noun_kind_type::Locale ||
                           r.kind2 == noun_kind_type::Country || r.kind2 == noun_kind_type::Person);
    r.partOfSpeech = speech_type::Noun;
    if (!nameKind) r.kind2 = noun_kind_type::Person;   // a name takes no article
    r.grammar2 = number_type::Singular;
    copyField(r.english, name);
}

// The forms of "milia" (thousands), in either spelling.
constexpr std::string_view kThousandForms[] = {"milia", "millia", "milibus", "millibus",
                                               "milium", "millium"};

// "duo milia": after a cardinal, milia is the noun of thousands whatever entry was chosen
// (milium "millet" has the same forms); English assembly joins it to the number.
void thousandsAfterNumber(const Engine& engine, int position, WordAnalysis& r) {
    if (position == 0 || r.partOfSpeech != speech_type::Noun) return;
    const WordAnalysis& previous = chosenReading(engine, position - 1);
    if (previous.partOfSpeech != speech_type::Numeral ||
        previous.grammar4 != numeral_kind_type::Cardinal)
        return;
    const std::string form = plainForm(r);
    for (std::string_view thousand : kThousandForms) {
        if (!sameIgnoringCase(form, thousand)) continue;
        copyField(r.english, "thousands");
        r.grammar4 = 1;   // a noun of one number: no plural marker
        return;
    }
}

// "quibuscum", "quocum", "quacum": the pronoun of qui after its enclitic "cum" (which word
// analysis puts before it as "with") is "whom", whatever reading of qui was chosen.
void whomAfterCum(const Engine& engine, int position, WordAnalysis& r) {
    if (position == 0 || r.partOfSpeech != speech_type::Pronoun || !formOf(r).starts_with("qu.")) return;
    const WordAnalysis& previous = chosenReading(engine, position - 1);
    if (previous.partOfSpeech != speech_type::Tackon || formOf(previous) != "cum.") return;
    copyField(r.english, "whom");
    r.kind2 = pronoun_kind_type::Relative;
    r.grammar1 = case_type::Accusative;   // "with" stands before it already
    r.grammar2 = number_type::Singular;
}

// The nearest word before and after `position` that is not punctuation.
int wordBefore(const Engine& engine, int position) {
    for (int q = position - 1; q >= 0; --q)
        if (chosenReading(engine, q).partOfSpeech != speech_type::Punctuation) return q;
    return -1;
}

int wordAfter(const Engine& engine, int position) {
    for (int q = position + 1; q < sentenceLength(engine); ++q)
        if (chosenReading(engine, q).partOfSpeech != speech_type::Punctuation) return q;
    return -1;
}

struct Neighbours {
    std::string before;
    bool nameAfter = false;
    SenseNeighbours view() const { return {before, nameAfter}; }
};

Neighbours neighboursOf(const Engine& engine, int position) {
    Neighbours n;
    if (const int q = wordBefore(engine, position); q >= 0) {
        n.before = plainForm(chosenReading(engine, q));
        for (char& c : n.before) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (const int q = wordAfter(engine, position); q >= 0)
        n.nameAfter = (chosenReading(engine, q).reserved23 & kCapitalInMidSentence) != 0;
    return n;
}

}  // namespace

const SenseChoiceRecord* senseRuleInContext(std::span<const SenseChoiceRecord> rules,
                                            const WordAnalysis& reading, const SenseNeighbours& around) {
    const std::string_view before = around.before;
    for (const SenseChoiceRecord& rule : rules) {
        switch (rule.condition) {
        case sense_condition::Capital:
            if (reading.reserved23 & kCapitalInMidSentence) return &rule;
            break;
        case sense_condition::LowerCase:
            if (reading.reserved23 & kWrittenInLowerCase) return &rule;
            break;
        case sense_condition::BeforeName:
            if (around.nameAfter) return &rule;
            break;
        case sense_condition::AfterWord:
            if (!before.empty() && sameIgnoringCase(before, fieldText(rule.argument))) return &rule;
            break;
        case sense_condition::Case:
            if (isNominal(reading) && reading.grammar1 == rule.caseCode) return &rule;
            break;
        default: break;
        }
    }
    return nullptr;
}

void chooseSensesInContext(Engine& engine) {
    const int words = sentenceLength(engine);
    for (int position = 0; position < words; ++position) {
        const int index = chosenIndex(engine, position);
        if (index < 0) continue;
        WordAnalysis& r = engine.wordAnalyses[index];
        useNameForm(engine, position, r);
        thousandsAfterNumber(engine, position, r);
        whomAfterCum(engine, position, r);
        if (r.partOfSpeech == speech_type::NotFound || r.partOfSpeech == speech_type::Punctuation) continue;
        const auto rules = rulesOfReading(engine.lexicon, r);
        if (rules.empty()) continue;
        if (const SenseChoiceRecord* rule = senseRuleInContext(rules, r, neighboursOf(engine, position).view()))
            storeEnglish(r, fieldText(rule->sense));
    }
}

}  // namespace kavro
