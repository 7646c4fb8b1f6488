// Paradigm generation: an entry's stems against the runs of the inflection table, fitted by the
// rules of word analysis, and the entry's forms from the uniques table.
#include "morph/paradigm.h"

#include <algorithm>
#include <map>
#include <span>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/lexicon.h"
#include "morph/citation_form.h"
#include "morph/inflection_search.h"
#include "morph/split_matching.h"

namespace kavro {
namespace {

constexpr std::uint8_t kPartOfSpeechBits = 0x1F;
constexpr std::string_view kMissingStem = "zzz";
constexpr std::string_view kEmptyStem = ".";   // a stem that is all ending
// The age letter shown for each age level of the compiled tables. The compiler puts the
// package's later (E) and medieval (F) ages on one level, 6, shown as the earlier of the two.
constexpr std::string_view kAgeLetters = "XABCDEEGH";
constexpr std::string_view kFrequencyLetters = "XABCDEFIMN";
constexpr std::uint32_t kUserEntryBase = 1000000;
constexpr std::uint8_t kVerbKindBits = 0x0F;   // a verb stem's sort: part << 4 | kind

char folded(char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c == 'j') return 'i';
    if (c == 'v') return 'u';
    return c;
}

// The lexicon's spelling of a form: i for j and u for v, the case kept (a few stems are
// written with j).
std::string lexiconSpelling(std::string word) {
    for (char& c : word) {
        if (c == 'j') c = 'i';
        else if (c == 'v') c = 'u';
        else if (c == 'J') c = 'I';
        else if (c == 'V') c = 'U';
    }
    return word;
}

std::string foldedWord(std::string_view word) {
    std::string out;
    for (const char c : word) out += folded(c);
    return out;
}

// The citation form as word analysis shows it: the meanings table's Latin, formatted from the
// bare stems when it holds no finished form.
std::string citationOf(const MeaningRecord& meaning, const StemRecord& stem) {
    const std::string latin(fieldText(meaning.latin));
    if (latin.find(',') != std::string::npos) return latin;
    CitationStems words;
    int n = 0;
    std::size_t at = 0;
    while (n < 4) {
        const std::size_t start = latin.find_first_not_of(' ', at);
        if (start == std::string::npos) break;
        const std::size_t end = latin.find(' ', start);
        words[n++] = latin.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) break;
        at = end;
    }
    if (n < 2) return latin;
    char output[kCitationOutputSize];
    copyField(output, latin);
    makeCitationForm(words, stem, output);
    std::string text(fieldText(output));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The stems of the dictionary grouped by their meanings record.
std::map<std::uint32_t, std::vector<StemRecord>> stemsByMeaning(const Lexicon& lexicon) {
    std::map<std::uint32_t, std::vector<StemRecord>> groups;
    for (const StemRecord& s : lexicon.stems)
        if (s.meaningIndex < lexicon.meanings.size()) groups[s.meaningIndex].push_back(s);
    for (auto& [index, stems] : groups)
        std::stable_sort(stems.begin(), stems.end(),
                         [](const StemRecord& a, const StemRecord& b) { return a.stemKey < b.stemKey; });
    return groups;
}

ParadigmEntry entryOf(const Lexicon& lexicon, std::uint32_t index, std::vector<StemRecord> stems) {
    ParadigmEntry e;
    e.meaningIndex = index;
    e.citation = citationOf(lexicon.meanings[index], stems.front());
    e.english = std::string(fieldText(lexicon.meanings[index].english));
    e.stems = std::move(stems);
    return e;
}

std::string_view stemText(const StemRecord& s) {
    const std::string_view text = fieldText(s.stem);
    return text == kEmptyStem ? std::string_view() : text;
}

// The stem against every run of equal endings of the inflection table.
void addStemForms(Engine& engine, const StemRecord& stem, std::vector<ParadigmForm>& forms) {
    const std::string_view text = stemText(stem);
    const auto& table = engine.lexicon.inflections;
    engine.tempstems[0] = stem;
    for (std::size_t first = 0; first < table.size();) {
        std::size_t end = first + 1;
        while (end < table.size() && fieldText(table[end].ending) == fieldText(table[first].ending)) ++end;
        const std::span<const InflectionRecord> run(table.data() + first, end - first);
        const std::string_view ending = fieldText(table[first].ending);
        first = end;
        const int count = fitInflections(engine, run, ending, 0);
        for (int j = 0; j < count; ++j) {
            const InflectionRecord& infl = engine.tempinflects[j];
            if (readingRefused(stem, infl)) continue;
            ParadigmForm f;
            f.stem = std::string(text);
            f.ending = std::string(fieldText(infl.ending));
            f.form = lexiconSpelling(f.stem + f.ending);
            f.inflection = infl;
            f.partOfSpeech = infl.partOfSpeech & kPartOfSpeechBits;
            forms.push_back(std::move(f));
        }
    }
}

// The supine of a verb: its participle stem with "um" and "u", as word analysis offers them to
// every participle stem.
void addSupines(Engine& engine, const StemRecord& stem, std::vector<ParadigmForm>& forms) {
    engine.tempstems[0] = stem;
    for (const std::string_view ending : {"um", "u"}) {
        if (addSupine(engine, ending, 0, 0) != 1) continue;
        ParadigmForm f;
        f.stem = std::string(stemText(stem));
        f.ending = std::string(ending);
        f.form = f.stem + f.ending;
        f.inflection = engine.tempinflects[0];
        f.partOfSpeech = speech_type::Supine;
        forms.push_back(std::move(f));
    }
}

// True when one sense of the entry (between ";") begins with `sense` as whole words: the
// uniques "uis", "uult" ("be willing; wish;") belong to "uolo" ("wish, want, prefer; be
// willing, will;"), "mauis" ("prefer;") to "malo" but not to "uolo".
bool entryHasSense(std::string_view english, std::string_view sense) {
    while (!english.empty()) {
        const std::size_t end = english.find(';');
        std::string_view one = english.substr(0, end);
        while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
        if (one.starts_with(sense) &&
            (one.size() == sense.size() || one[sense.size()] == ',' || one[sense.size()] == ' '))
            return true;
        if (end == std::string_view::npos) break;
        english.remove_prefix(end + 1);
    }
    return false;
}

// True when every sense of the unique (notes in brackets and "+" tags aside) begins a sense of
// the entry: "uis" ("be willing; wish;") belongs to "uolo", "quicquam" ("any; anything;") not to
// "qui" ("any; anyone/anything, any such; ...").
bool sensesAllInEntry(std::string_view uniqueEnglish, std::string_view entryEnglish) {
    bool any = false;
    while (!uniqueEnglish.empty()) {
        const std::size_t end = uniqueEnglish.find(';');
        std::string_view sense = uniqueEnglish.substr(0, end);
        while (!sense.empty() && sense.front() == ' ') sense.remove_prefix(1);
        while (!sense.empty() && sense.back() == ' ') sense.remove_suffix(1);
        const bool note = sense.empty() || sense.front() == '(' || sense.front() == '[' || sense.front() == '+';
        if (!note) {
            if (!entryHasSense(entryEnglish, sense)) return false;
            any = true;
        }
        if (end == std::string_view::npos) break;
        uniqueEnglish.remove_prefix(end + 1);
    }
    return any;
}

// The uniques of the entry: same part of speech and class, and the same senses.
void addIrregularForms(const Engine& engine, const ParadigmEntry& entry, std::vector<ParadigmForm>& forms) {
    const StemRecord& s = entry.stems.front();
    for (const UniqueRecord& u : engine.lexicon.uniques.as<UniqueRecord>()) {
        if (u.partOfSpeech != entryPartOfSpeech(entry) || u.which != s.which || u.variant != s.variant)
            continue;
        if (!sensesAllInEntry(fieldText(u.english), entry.english)) continue;
        ParadigmForm f;
        f.form = foldedWord(fieldText(u.form));
        f.partOfSpeech = u.partOfSpeech;
        InflectionRecord& r = f.inflection;
        r.partOfSpeech = u.partOfSpeech;
        r.which = u.which;
        r.variant = u.variant;
        r.grammar1 = u.grammar[0];
        r.grammar2 = u.grammar[1];
        r.grammar3 = u.grammar[2];
        r.grammar4 = u.grammar[3];
        r.grammar5 = u.grammar[4];
        // A verb's sixth byte is its kind (TO_BEING ...), not a grammar of the form.
        r.grammar6 = u.partOfSpeech == speech_type::Verb ? 0 : u.grammar[5];
        r.ageLevel = u.ageLevel < kAgeLetters.size() ? u.ageLevel : 0;
        f.irregular = true;
        forms.push_back(std::move(f));
    }
}

// A verb whose fourth principal part is the future participle ("sum, esse, fui, futurus";
// intransitive verbs such as "uenio ... uenturus"): its participle stem makes no perfect passive
// participle and no supine.
bool hasOnlyFutureParticiple(const ParadigmEntry& entry) {
    if (entryPartOfSpeech(entry) != speech_type::Verb) return false;
    std::string_view rest = entry.citation;
    for (int comma = 0; comma < 3; ++comma) {
        const std::size_t at = rest.find(',');
        if (at == std::string_view::npos) return false;
        rest.remove_prefix(at + 1);
    }
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    return rest.ends_with("urus");
}

// A deponent's finite forms and infinitives are passive in form; the active endings that word
// analysis lets its stems take (all but the present) are no forms of it.
bool isActiveVerbForm(const ParadigmForm& f) {
    return f.partOfSpeech == speech_type::Verb && f.inflection.grammar2 == voice_type::Active;
}

// An entry whose stems make words only with a tackon ("(w/-dem ONLY, idem, eadem, idem)": the
// stems of "is" with "-dem") gets the tackon on every regular form.
void addRequiredTackon(const ParadigmEntry& entry, std::vector<ParadigmForm>& forms) {
    constexpr std::string_view opening = "(w/-";
    constexpr std::string_view only = " ONLY";
    if (!entry.english.starts_with(opening)) return;
    const std::size_t end = entry.english.find(only);
    if (end == std::string::npos) return;
    const std::string tackon = entry.english.substr(opening.size(), end - opening.size());
    for (ParadigmForm& f : forms) {
        if (f.irregular) continue;
        f.form += tackon;
        f.tackon = tackon;
    }
}

bool isPerfectPassiveOrSupine(const ParadigmForm& f) {
    if (f.partOfSpeech == speech_type::Supine) return true;
    return f.partOfSpeech == speech_type::Participle && f.inflection.grammar4 == tense_type::Perfect &&
           f.inflection.grammar5 == voice_type::Passive;
}

// True when `wanted` is the lemma `first` or one of its written alternatives: "qui/is" stands
// for qui and quis, "aliqui/is" for aliqui and aliquis (each alternative takes the place of the
// last one or two letters).
bool lemmaNamesCitation(std::string_view first, std::string_view wanted) {
    const std::size_t slash = first.find('/');
    const std::string_view head = first.substr(0, slash);
    if (wanted == head) return true;
    if (slash == std::string_view::npos) return false;
    std::string_view rest = first.substr(slash + 1);
    while (!rest.empty()) {
        const std::string_view alternative = rest.substr(0, rest.find('/'));
        for (std::size_t cut = 1; cut <= 2 && cut < head.size(); ++cut)
            if (wanted.size() == head.size() - cut + alternative.size() &&
                wanted.starts_with(head.substr(0, head.size() - cut)) && wanted.ends_with(alternative))
                return true;
        if (alternative.size() == rest.size()) break;
        rest.remove_prefix(alternative.size() + 1);
    }
    return false;
}

}  // namespace

bool isDeponentEntry(const ParadigmEntry& entry) {
    return entryPartOfSpeech(entry) == speech_type::Verb &&
           (entry.stems.front().sort & kVerbKindBits) == verb_kind_type::Deponent;
}

int entryPartOfSpeech(const ParadigmEntry& entry) {
    return entry.stems.empty() ? 0 : entry.stems.front().partOfSpeech & kPartOfSpeechBits;
}

std::string citationLemma(std::string_view citation) {
    const std::size_t start = citation.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    citation.remove_prefix(start);
    return foldedWord(citation.substr(0, citation.find_first_of(", ")));
}

std::vector<ParadigmEntry> findParadigmEntries(const Lexicon& lexicon, std::string_view lemma,
                                               int partOfSpeech) {
    const std::string wanted = foldedWord(lemma);
    std::vector<ParadigmEntry> found;
    if (wanted.empty()) return found;
    std::vector<std::uint32_t> indexes;
    for (std::uint32_t i = 0; i < lexicon.meanings.size(); ++i)
        if (lemmaNamesCitation(citationLemma(fieldText(lexicon.meanings[i].latin)), wanted))
            indexes.push_back(i);
    if (indexes.empty()) return found;
    std::map<std::uint32_t, std::vector<StemRecord>> groups;
    for (const StemRecord& s : lexicon.stems)
        if (std::binary_search(indexes.begin(), indexes.end(), s.meaningIndex))
            groups[s.meaningIndex].push_back(s);
    for (auto& [index, stems] : groups) {
        std::stable_sort(stems.begin(), stems.end(),
                         [](const StemRecord& a, const StemRecord& b) { return a.stemKey < b.stemKey; });
        ParadigmEntry e = entryOf(lexicon, index, std::move(stems));
        if (partOfSpeech == 0 || entryPartOfSpeech(e) == partOfSpeech) found.push_back(std::move(e));
    }
    // The most frequent entries first (frequency class 0 is not known: last).
    const auto rank = [](const ParadigmEntry& e) {
        const int f = e.stems.front().areaFrequency & 0x0F;
        return f == 0 ? 99 : f;
    };
    std::stable_sort(found.begin(), found.end(),
                     [&rank](const ParadigmEntry& a, const ParadigmEntry& b) { return rank(a) < rank(b); });
    return found;
}

std::vector<ParadigmEntry> allParadigmEntries(const Lexicon& lexicon) {
    std::vector<ParadigmEntry> entries;
    for (auto& [index, stems] : stemsByMeaning(lexicon))
        if (index < kUserEntryBase) entries.push_back(entryOf(lexicon, index, std::move(stems)));
    return entries;
}

std::vector<ParadigmForm> generateParadigm(Engine& engine, const ParadigmEntry& entry) {
    std::vector<ParadigmForm> forms;
    ViewOptions& o = engine.options;
    const std::uint8_t ageWas = o.age;
    const bool phoneticsWas = o.medievalPhonetics;
    o.age = kAgeAll;
    o.medievalPhonetics = false;
    for (const StemRecord& stem : entry.stems) {
        const std::string_view text = fieldText(stem.stem);
        if (text.empty() || text == kMissingStem) continue;
        addStemForms(engine, stem, forms);
        if (stem.partOfSpeech == speech_type::Participle) addSupines(engine, stem, forms);
    }
    o.age = ageWas;
    o.medievalPhonetics = phoneticsWas;
    if (hasOnlyFutureParticiple(entry)) std::erase_if(forms, isPerfectPassiveOrSupine);
    if (isDeponentEntry(entry)) std::erase_if(forms, isActiveVerbForm);
    addRequiredTackon(entry, forms);
    if (!entry.stems.empty()) addIrregularForms(engine, entry, forms);
    return forms;
}

char formAgeLetter(const ParadigmForm& form) {
    const std::uint8_t age = form.inflection.ageLevel;
    return age < kAgeLetters.size() ? kAgeLetters[age] : 'X';
}

char formFrequencyLetter(const ParadigmForm& form) {
    const std::size_t step = form.inflection.rarityStep;
    return step > 0 && step + 1 < kFrequencyLetters.size() ? kFrequencyLetters[step + 1] : 'X';
}

bool formIsMarked(const ParadigmForm& form) {
    return form.inflection.ageLevel != 0 || form.inflection.rarityStep != 0;
}

}  // namespace kavro
