#include "morph/analysis_emit.h"

#include <array>
#include <cstring>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "core/grammar_codes.h"
#include "core/punctuation_store.h"
#include "morph/citation_form.h"
#include "morph/meanings.h"
#include "morph/short_meanings.h"
#include "morph/uniques.h"

namespace kavro {
namespace {

constexpr std::size_t kAnalysedFormLimit = 22;   // a longer form is cut to 23 with "*" last
constexpr std::size_t kLatinWordLimit = kCitationStemSize - 1;
constexpr int kLatinWordCount = 4;
constexpr std::string_view kJointTails[] = {"qu", "decim", "fruct", "dict"};
constexpr std::size_t kJointSearchFrom = 2;      // a joint "Z" stands at the third character or later
constexpr std::string_view kModifiedStemNote = " (Modified stem)";
constexpr std::string_view kNoTypeFound = "No type found!\n";
constexpr std::string_view kParticipleDetail = "abc.";
constexpr std::string_view kUncertainMark = "~";
constexpr std::uint8_t kRarityCeiling = 10;      // "very rare": left alone by the rarity rules
constexpr std::uint8_t kSupineRarityFloor = 5;
constexpr std::uint8_t kGerundRarityCeiling = 6;
constexpr std::int16_t kFirstDeclensionClass = 1 * 16 + 1;   // which 1, variant 1
constexpr std::int16_t kGerundClass = 2 * 16 + 2;            // which 2, variant 2
constexpr std::uint8_t kPronounSortSpecial = 8;
constexpr std::uint8_t kAgeLevelShownAsSix = 20;

// Scratch texts of the emission path, reused so that emitting a reading does not allocate.
struct EmitScratch {
    std::string form;
    std::string latin;
    std::string english;
    std::string line;
    CitationStems words;       // the Latin text split at blanks (w1..w4)
    CitationStems formatted;   // the same handed to the citation formatter
    int wordCount = 0;
};

EmitScratch& scratch() {
    thread_local EmitScratch s;
    return s;
}

// The Latin detail field: a word of the Latin text followed by a full stop.
void setDetailWord(WordAnalysis& a, std::string_view word) {
    const std::size_t n = copyField(a.latinDetail, word);
    if (n + 1 < sizeof a.latinDetail) {
        a.latinDetail[n] = '.';
        a.latinDetail[n + 1] = '\0';
    }
}

bool isVerbCode(std::uint8_t pos) { return pos == speech_type::Verb; }
bool isVerbOrParticiple(std::uint8_t pos) {
    return pos == speech_type::Verb || pos == speech_type::Participle;
}
bool isAdjectiveCode(std::uint8_t pos) { return (pos & 0x0F) == speech_type::Adjective; }
bool isDeponentKind(std::uint8_t kind) {
    return kind == verb_kind_type::Deponent || kind == verb_kind_type::Semideponent;
}

// Analysed form: stem "." ending, with the ending also written at a compound joint "Z".
void buildAnalysedForm(std::string& form, std::string_view stem, std::string_view ending) {
    form.assign(stem);
    form += '.';
    form += ending;
    if (ending.empty()) return;
    for (std::size_t z = form.find('Z', kJointSearchFrom); z != std::string::npos;
         z = form.find('Z', z + 1)) {
        const std::string_view after = std::string_view(form).substr(z + 1);
        for (std::string_view tail : kJointTails) {
            if (after.starts_with(tail)) {
                form.replace(z, 1, ending);
                return;
            }
        }
    }
}

// Drops the last letter of an "-ion" English and makes "-id"/"-itat" end in "s" (an addon whose
// base is a third-declension noun of variant 1).
void adjustAddonEnglish(std::string& english, const AddonRecord& addon) {
    if (addon.basePartOfSpeech != 1 || addon.baseWhich != 3 || addon.baseVariant != 1) return;
    if (english.ends_with("ion")) {
        english.pop_back();
    } else if (english.ends_with("id") || english.ends_with("itat")) {
        english.back() = 's';
    }
}

const UniqueRecord* uniqueAt(const Lexicon& lexicon, std::uint32_t index) {
    const auto uniques = lexicon.uniques.as<UniqueRecord>();
    return index < uniques.size() ? &uniques[index] : nullptr;
}

// Step 3: the Latin text L and the English text E of the reading, by its source kind. A unique
// also moves the extra form behind a tab of the analysed form into the Latin detail field.
// Without `dictionaryEnglish` the English of a dictionary reading is left empty (its short
// meaning is kept already and nothing else wants it).
void fetchTexts(const Engine& engine, const StemRecord& stem, int addonSlot, int kind,
                bool dictionaryEnglish, EmitScratch& s, WordAnalysis& analysis) {
    const Lexicon& lexicon = engine.lexicon;
    s.latin.clear();
    s.english.clear();
    switch (kind) {
    case source_kind::Dictionary:
    case source_kind::SpellingVariant:
    case source_kind::UserDictionary: {
        const MeaningRecord& record = lookUpMeaningRecord(lexicon, engine.options, stem);
        s.latin.assign(fieldText(record.latin));
        if (!dictionaryEnglish) break;
        if (kind == source_kind::SpellingVariant) s.english += kUncertainMark;   // the English is empty here
        s.english += fieldText(record.english);
        break;
    }
    case source_kind::Unique: {
        const UniqueRecord* unique = uniqueAt(lexicon, stem.meaningIndex);
        if (unique) {
            s.english.assign(fieldText(unique->english));
            s.latin.assign(fieldText(unique->form));
        }
        const std::size_t tab = s.form.find('\t');
        if (tab != std::string::npos) {
            copyField(analysis.latinDetail, std::string_view(s.form).substr(tab + 1));
            s.form.resize(tab);
            s.form += '.';
        }
        if (stem.partOfSpeech != speech_type::Verb) copyField(analysis.latinDetail, s.latin);
        break;
    }
    case source_kind::Addon:
    case source_kind::ModifiedStem:
        if (addonSlot >= 0 && addonSlot < static_cast<int>(kTempAddonCapacity)) {
            const AddonRecord& addon = engine.tempaddons[addonSlot];
            s.latin.assign(fieldText(addon.key));
            s.english.assign(fieldText(addon.english));
            adjustAddonEnglish(s.english, addon);
        }
        break;
    case source_kind::RomanNumeral:
        s.latin.assign(fieldText(engine.tempstems[0].stem));
        s.english.assign(fieldText(engine.tempinflects[0].ending));
        break;
    case source_kind::CapitalisedGuess:
        s.latin.assign(fieldText(stem.stem));
        s.english.assign(s.latin);
        s.english += stem.genderOrKind == gender_type::Feminine ? "a" : "us";
        break;
    default:
        s.latin.assign(kNoTypeFound);
        break;
    }
}

// Step 4: the Latin text split at blanks into at most four words of at most 47 characters,
// each without the comma that separates the parts of a citation form.
void splitLatinWords(EmitScratch& s) {
    s.wordCount = 0;
    for (std::string& w : s.words) w.clear();
    std::string_view rest = s.latin;
    while (s.wordCount < kLatinWordCount) {
        const std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        rest.remove_prefix(start);
        const std::size_t end = rest.find(' ');
        std::string_view word = rest.substr(0, end);
        if (word.size() > 1 && word.back() == ',') word.remove_suffix(1);
        s.words[s.wordCount++].assign(word.substr(0, kLatinWordLimit));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end);
    }
}

// Step 5: the citation form of the entry. The meanings tables store it finished ("amo, amare,
// amavi, amatus"); a Latin text that is still the bare stems ("am am amav amat", no comma) is
// formatted here.
void formatCitation(EmitScratch& s, const StemRecord& stem) {
    if (s.wordCount < 2 || s.latin.find(',') != std::string::npos) return;
    for (int i = 0; i < kLatinWordCount; ++i) s.formatted[i].assign(s.words[i]);
    char output[kCitationOutputSize];
    copyField(output, s.latin);
    makeCitationForm(s.formatted, stem, output);
    s.latin.assign(fieldText(output));
    while (!s.latin.empty() && s.latin.back() == ' ') s.latin.pop_back();
}

// Step 6, first part: the record as the tables give it.
WordAnalysis baseRecord(const Engine& engine, const StemRecord& stem, const InflectionRecord& infl) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = infl.partOfSpeech;
    const bool verbal = isVerbOrParticiple(infl.partOfSpeech);
    a.kind1 = verbal && stem.sort != verb_kind_type::Deponent ? stem.sort >> 4 : stem.genderOrKind;
    a.kind2 = verbal ? stem.sort & 0x0F : stem.sort;
    a.grammar1 = infl.grammar1;
    a.grammar2 = infl.grammar2;
    a.grammar3 = infl.grammar3;
    if (infl.partOfSpeech == speech_type::Noun) {
        a.grammar4 = stem.numberRestriction;
    } else if (infl.partOfSpeech == speech_type::Preposition) {
        a.grammar4 = stem.sort;
    } else {
        a.grammar4 = infl.grammar4;
    }
    a.grammar5 = infl.grammar5;
    a.grammar6 = infl.grammar6;
    a.stemKey = infl.stemKey;
    a.wordPosition = static_cast<std::int16_t>(engine.tokenIndex);
    a.groupNumber = static_cast<std::int16_t>(engine.groupNumber);
    a.rarity = frequencyOf(stem);
    a.ageLevel = stem.ageLevel == kAgeLevelShownAsSix ? 6 : stem.ageLevel;
    a.subject = subjectOf(stem);
    a.stemClass = static_cast<std::int16_t>(stem.which * 16 + stem.variant);
    a.stemClass2 = static_cast<std::int16_t>(stem.numberRestriction * 16 + stem.extra);
    return a;
}

struct Reclassified {
    bool numeralAsAdjective = false;
    bool gerundDue = false;
};

// Distributive numerals become adjectives ("two each"); cardinals take their number.
void numeralRules(WordAnalysis& a, const InflectionRecord& infl, StemRecord* chosen,
                  Reclassified& out) {
    if (a.partOfSpeech == speech_type::Numeral && a.grammar4 == numeral_kind_type::Distributive) {
        a.partOfSpeech = speech_type::Adjective;
        a.grammar4 = 1;
        a.kind1 = 1;
        if (chosen) {
            chosen->partOfSpeech = speech_type::Adjective;
            chosen->which = 1;
            chosen->variant = 1;
        }
        out.numeralAsAdjective = true;
    }
    if (a.partOfSpeech == speech_type::Numeral && infl.grammar4 == numeral_kind_type::Cardinal)
        a.grammar2 = a.kind2 == 1 ? number_type::Singular : number_type::Plural;
}

// Participles: the mood field tells adjective-like uses and gerundives apart.
void participleRules(WordAnalysis& a, const EmitScratch& s, Reclassified& out) {
    if (a.partOfSpeech != speech_type::Participle) return;
    copyField(a.latinDetail, kParticipleDetail);
    const std::uint8_t tense = a.grammar4;
    const std::uint8_t voice = a.grammar5;
    if (voice == voice_type::Passive) {
        if (tense == tense_type::Future) {
            a.grammar6 = mood_type::Gerund;
            out.gerundDue = true;
        } else {
            a.grammar6 = mood_type::AdjectiveLike;
            setDetailWord(a, s.words[3]);
        }
    }
    if (voice == voice_type::Active && (tense == tense_type::Present || tense == tense_type::Future))
        a.grammar6 = mood_type::AdjectiveLike;
}

// Verbs, conjunctions, adverbs, adjectives and special pronouns carry a stem byte in grammar 6.
void kindRules(WordAnalysis& a, const StemRecord& stem) {
    switch (a.partOfSpeech) {
    case speech_type::Verb:
        a.grammar6 = stem.genderOrKind;
        if (isDeponentKind(a.kind2)) a.grammar2 = voice_type::Active;
        return;
    case speech_type::Conjunction: a.grammar6 = stem.genderOrKind; return;
    case speech_type::AdverbSubtype:
        a.grammar5 = 1;
        a.grammar6 = stem.sort;
        a.partOfSpeech = speech_type::Adverb;
        return;
    default: break;
    }
    if (isAdjectiveCode(a.partOfSpeech) || a.partOfSpeech == speech_type::Adverb)
        a.grammar6 = stem.sort;
    else if (a.partOfSpeech == speech_type::Pronoun && stem.numberRestriction == kPronounSortSpecial)
        a.grammar6 = kPronounSortSpecial;
}

void rarityRules(WordAnalysis& a, const InflectionRecord& infl) {
    if (a.rarity != kRarityCeiling) {
        if (a.partOfSpeech == speech_type::Verb && a.grammar3 != mood_type::Infinitive &&
            infl.rarityStep != 0) {
            int r = a.rarity + infl.rarityStep - (isDeponentKind(a.kind2) ? 1 : 0);
            if (r >= 9 && r <= 14) r = kRarityCeiling;
            a.rarity = static_cast<std::uint8_t>(r < 0 ? 0 : r);
        } else if (a.partOfSpeech == speech_type::Participle && a.grammar1 == case_type::Vocative) {
            a.rarity = static_cast<std::uint8_t>(a.rarity + 2);
            if (a.rarity > 6) a.rarity = kRarityCeiling;
        }
    }
    if (a.partOfSpeech == speech_type::Supine && a.rarity < kSupineRarityFloor)
        a.rarity = kSupineRarityFloor;
}

// Step 6 rules, in their order.
Reclassified applyRules(WordAnalysis& a, const StemRecord& stem, const InflectionRecord& infl,
                        StemRecord* chosen, const EmitScratch& s) {
    Reclassified out;
    numeralRules(a, infl, chosen, out);
    if ((a.partOfSpeech == speech_type::Noun || a.partOfSpeech == speech_type::Pronoun) &&
        (infl.grammar3 == gender_type::None || infl.grammar3 == gender_type::Common))
        a.grammar3 = stem.genderOrKind;
    participleRules(a, s, out);
    kindRules(a, stem);
    rarityRules(a, infl);
    if (a.partOfSpeech == speech_type::Participle && a.grammar6 == mood_type::AdjectiveLike)
        a.stemClass = kFirstDeclensionClass;
    if (a.partOfSpeech == speech_type::Noun || isAdjectiveCode(a.partOfSpeech)) {
        setDetailWord(a, s.wordCount == 1 ? s.words[0] : s.words[1]);
    }
    return out;
}

void collectSingleWord(Engine& engine, std::string_view english, std::string_view latin, int kind) {
    if (!engine.singleWordLookup) return;
    const int i = engine.singleWordCount;
    engine.singleWordEnglish[i].assign(english);
    if (kind == source_kind::ModifiedStem) engine.singleWordEnglish[i] += kModifiedStemNote;
    engine.singleWordLatin[i].assign(latin);
    if (engine.singleWordCount < static_cast<int>(kSingleWordCollection) - 1) ++engine.singleWordCount;
}

// A relative pronoun is rendered "which" (whatever its dictionary sense begins with); the
// sentence passes give it "who", "whom" or "what" by its antecedent.
void relativeAsWhich(const WordAnalysis& a, std::string& english) {
    if (a.partOfSpeech == speech_type::Pronoun && a.kind2 == pronoun_kind_type::Relative &&
        (english == "who" || english == "that"))
        english = "which";
}

// Step 8: the English the reading keeps.
void storeEnglish(Engine& engine, WordAnalysis& a, const StemRecord& stem, std::string& english,
                  int kind, bool numeralAsAdjective) {
    const int area = cutShortMeaning(engine, stem, kind, a.subject, english);
    if (area != 0) {
        a.subject = static_cast<std::uint8_t>(area);
        a.rarity = 1;
    }
    relativeAsWhich(a, english);
    if (numeralAsAdjective) english += "-each";
    fitAnalysisEnglish(english);
    copyField(a.english, english);
}

// Whether the reading's English as its entry gives it is wanted: by the trace and the
// single-word collection, and by the short meaning unless that is kept from an earlier reading.
bool englishWanted(const Engine& engine, const StemRecord& stem, int kind, const WordAnalysis& a) {
    return !engine.options.sentenceMode || engine.singleWordLookup ||
           !holdsShortMeaning(engine, stem, kind, a.subject);
}

void traceRecord(Engine& engine, const WordAnalysis& a, std::string& line) {
    if (engine.options.sentenceMode) return;
    formatAnalysis(line, a, engine.options.easyLatin);
    engine.log.write(line);
    engine.log.write("\n\n");
}

// The trace's first two lines of a reading: "form - Latin" and the English.
void writeReadingHeader(Engine& engine, const WordAnalysis& a, const EmitScratch& s) {
    engine.log.write(fieldText(a.analysedForm));
    engine.log.write(" - ");
    engine.log.write(s.latin);
    engine.log.write("\n");
    engine.log.write(s.english);
    engine.log.write("\n");
}

// Step 10: the gerund beside a gerundive in an oblique case of the singular.
void appendGerund(Engine& engine, const WordAnalysis& gerundive, int kind, EmitScratch& s) {
    if (gerundive.grammar2 != number_type::Singular || gerundive.grammar3 != gender_type::MascNeuter ||
        gerundive.grammar1 < case_type::Genitive)
        return;
    WordAnalysis g = gerundive;
    g.partOfSpeech = speech_type::Noun;
    g.kind1 = gender_type::Neuter;
    g.kind2 = noun_kind_type::Gerund;
    g.grammar3 = gender_type::Neuter;
    g.rarity = static_cast<std::uint8_t>(g.rarity + 1 > kGerundRarityCeiling ? kGerundRarityCeiling
                                                                             : g.rarity + 1);
    g.stemClass = kGerundClass;
    g.latinDetail[0] = '\0';
    if (engine.singleWordLookup && engine.singleWordCount > 0) {
        // The last pair already carries the modified-stem note when the reading has one.
        const int last = engine.singleWordCount - 1;
        const std::string english = engine.singleWordEnglish[last];
        const std::string latin = engine.singleWordLatin[last];
        collectSingleWord(engine, english, latin, source_kind::Dictionary);
    }
    if (!engine.options.sentenceMode) engine.log.write("+ Gerund:\n");
    traceRecord(engine, g, s.line);
    const int index = engine.analysisCount;
    appendAnalysis(engine, g);
    noteAnalysisSource(engine, index, s.latin, kind);
}

}  // namespace

void storeAnalysedForm(WordAnalysis& analysis, std::string_view form) {
    const std::size_t n = copyField(analysis.analysedForm, form);
    if (form.size() > kAnalysedFormLimit && n > 0) analysis.analysedForm[n - 1] = '*';
}

void appendAnalysis(Engine& engine, const WordAnalysis& analysis) {
    constexpr int capacity = static_cast<int>(kAnalysisCapacity);
    if (engine.analysisCount < 0 || engine.analysisCount >= capacity) restartFullAnalysisTable(engine);
    engine.wordAnalyses[engine.analysisCount] = analysis;
    ++engine.analysisCount;
    if (engine.analysisCount >= capacity) restartFullAnalysisTable(engine);
}

void noteAnalysisSource(Engine& engine, int index, std::string_view citation, int kind) {
    if (!engine.keepAnalysisSources || index < 0 || index >= static_cast<int>(kAnalysisCapacity)) return;
    engine.markAnalysisSourcesWritten(index + 1);
    AnalysisSource& note = engine.analysisSources[index];
    copyField(note.citation, citation);
    note.sourceKind = static_cast<std::int8_t>(kind);
}

int emitAnalysis(Engine& engine, int stemSlot, int inflectionSlot, int addonSlot, int kind) {
    if (stemSlot < 0 || stemSlot >= static_cast<int>(kTempStemCapacity) || inflectionSlot < 0 ||
        inflectionSlot >= static_cast<int>(kTempInflectCapacity))
        return engine.analysisCount;
    const StemRecord& stem = engine.tempstems[stemSlot];
    const InflectionRecord& infl = engine.tempinflects[inflectionSlot];
    EmitScratch& s = scratch();

    // Step 1: user-dictionary stems, and the chosen-stem copy for the dictionary display.
    if (isUserEntry(stem)) kind = source_kind::UserDictionary;
    StemRecord* chosen = nullptr;
    if (addonSlot >= 0 && addonSlot < static_cast<int>(kChosenStemCapacity)) {
        chosen = &engine.chosenStems[addonSlot];
        *chosen = stem;
    }

    // Steps 2 to 5: the analysed form and the two texts.
    WordAnalysis a = baseRecord(engine, stem, infl);
    buildAnalysedForm(s.form, fieldText(stem.stem), fieldText(infl.ending));
    fetchTexts(engine, stem, addonSlot, kind, englishWanted(engine, stem, kind, a), s, a);
    splitLatinWords(s);
    const bool verb = isVerbCode(infl.partOfSpeech);
    if ((!engine.options.sentenceMode || verb) && kind != source_kind::Unique) formatCitation(s, stem);
    storeAnalysedForm(a, s.form);
    if (!engine.options.sentenceMode) writeReadingHeader(engine, a, s);
    if (verb) {
        const std::string_view infinitive = infinitiveOf(s.latin);
        if (!infinitive.empty()) copyField(a.latinDetail, infinitive);
    }

    // Steps 6 to 8.
    const Reclassified rules = applyRules(a, stem, infl, chosen, s);
    collectSingleWord(engine, s.english, s.latin, kind);
    storeEnglish(engine, a, stem, s.english, kind, rules.numeralAsAdjective);

    // Step 9: the trace line and the record.
    traceRecord(engine, a, s.line);
    const int index = engine.analysisCount;
    appendAnalysis(engine, a);
    noteAnalysisSource(engine, index,
                       kind == source_kind::Unique ? uniqueCitation(engine.lexicon, s.latin) : s.latin, kind);

    if (rules.gerundDue) appendGerund(engine, a, kind, s);
    return engine.analysisCount;
}

}  // namespace kavro
