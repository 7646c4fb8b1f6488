// The English text of one chosen reading by its part of speech.
#include "english/reading_english.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

#include "core/grammar_codes.h"
#include "english/chosen_reading.h"
#include "english/clause_context.h"
#include "english/narrative_tenses.h"
#include "english/polish_records.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

constexpr std::string_view kGapText = "[Gap in translation (too many words in sentence?)]";

// Internal code of a noun whose meaning begins with a capital: a proper noun. It is built as
// any other noun; the code only names the case.
constexpr int kProperNoun = 33;

// Codes of participles (grammar 4 tense, grammar 5 voice, grammar 6 mood) and numerals.
constexpr int kFutureParticiple = tense_type::Future;
constexpr int kGerundive = 6;                // grammar 6 of a gerundive
constexpr int kPerfectPassiveParticiple = 7; // grammar 6 of a perfect passive participle
constexpr int kJoinedTackonNumber = 2;       // grammar 5 of a tackon that joins two words

// The article or preposition that a case calls for, by case code (0 none, 1 NOM .. 7 ACC): for
// nouns, for adjectives, participles and numerals, and for pronouns. Cases 0, 1 and 7 of the
// modifiers are decided by each kind of word.
struct CasePrefix {
    std::string_view noun, modifier, pronoun;
};
constexpr std::array<CasePrefix, 8> kCasePrefixes = {{
    {"the ", "", ""},                      // 0
    {"the ", "", ""},                      // 1 NOM
    {"O ", "O ", "O "},                    // 2 VOC
    {"of the ", "of the ", "of "},         // 3 GEN
    {"at ", "", ""},                       // 4 LOC: a pronoun writes nothing at all
    {"to the ", "to the ", "to "},         // 5 DAT: a pronoun after a preposition nothing
    {"with the ", "with the ", "with "},   // 6 ABL: a pronoun after a preposition nothing
    {"the ", "", ""},                      // 7 ACC
}};

const CasePrefix& casePrefix(int caseCode) {
    static constexpr CasePrefix kNone{"", "", ""};
    return caseCode >= 0 && caseCode < static_cast<int>(kCasePrefixes.size())
               ? kCasePrefixes[static_cast<std::size_t>(caseCode)]
               : kNone;
}

bool isPlainCase(int caseCode) {
    return caseCode == case_type::None || caseCode == case_type::Nominative ||
           caseCode == case_type::Accusative;
}

// "more " and "most " for a comparative and a superlative code.
std::string_view comparisonWord(int code) {
    if (code == comparison_type::Comparative) return "more ";
    if (code == comparison_type::Superlative) return "most ";
    return "";
}

// The plural marker, resolved later: "glass+es", "war+s".
void appendPluralMarker(std::string& text) { text += text.ends_with('s') ? "+es" : "+s"; }

// The meaning with `suffix` behind its first word ("carry out" and "+ing" give "carry+ing out").
std::string suffixOnFirstWord(std::string_view meaning, std::string_view suffix) {
    const std::size_t blank = std::min(meaning.find(' '), meaning.size());
    std::string out(meaning.substr(0, blank));
    out += suffix;
    out += meaning.substr(blank);
    return out;
}

const WordAnalysis& previousReading(const Engine& engine, int position) {
    return position > 0 ? chosenReading(engine, position - 1) : emptyReading();
}

bool afterPreposition(const Engine& engine, int position) {
    return previousReading(engine, position).partOfSpeech == speech_type::Preposition;
}

// A first partner that stands more than one word before the reading: the modifier then goes
// without its article or preposition, the partner's slot carrying it.
bool partnerWellBefore(const WordAnalysis* partner, const WordAnalysis& r) {
    return partner && partner->wordPosition < r.wordPosition - 1;
}

// A dative noun tied to a word earlier than the one before it takes "the", not "to the", unless
// the previous word is a joining tackon.
bool dativeWithoutTo(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis* partner = firstPartner(engine, w.reading);
    if (!partner || partner->wordPosition + 1 >= w.reading.wordPosition) return false;
    const WordAnalysis& previous = previousReading(engine, w.position);
    return !(previous.partOfSpeech == speech_type::Tackon &&
             previous.grammar5 == kJoinedTackonNumber);
}

std::string nounEnglish(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis& r = w.reading;
    const std::string meaning = r.kind2 == noun_kind_type::Gerund
                                    ? suffixOnFirstWord(w.meaning, "+ing")
                                    : std::string(w.meaning);
    std::string text(casePrefix(r.grammar1).noun);
    if (r.grammar1 == case_type::Dative && dativeWithoutTo(engine, w)) text = "the ";
    text += meaning;
    // grammar 4 is the stem's number restriction: a noun used in one number only takes no marker.
    if (r.grammar2 == number_type::Plural && r.grammar4 == 0) appendPluralMarker(text);
    return text;
}

std::string pronounEnglish(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis& r = w.reading;
    if (r.grammar1 == case_type::Locative) return {};
    const bool dropped = (r.grammar1 == case_type::Dative || r.grammar1 == case_type::Ablative) &&
                         afterPreposition(engine, w.position);
    std::string text(dropped ? "" : casePrefix(r.grammar1).pronoun);
    text += w.meaning;
    // English relative pronouns have no plural ("quibuscum": "with whom", not "with whichs").
    if (r.grammar2 == number_type::Plural && r.kind2 != pronoun_kind_type::Relative)
        appendPluralMarker(text);
    return text;
}

std::string adjectiveEnglish(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis& r = w.reading;
    const WordAnalysis* partner = firstPartner(engine, r);
    std::string text(isPlainCase(r.grammar1) ? (partner ? "the " : "")
                                             : casePrefix(r.grammar1).modifier);
    if (partnerWellBefore(partner, r)) text.clear();
    text += comparisonWord(r.grammar4);
    text += w.meaning;
    if (r.partOfSpeech == speech_type::SubstantiveAdjective && r.grammar2 == number_type::Plural) {
        const WordAnalysis* second = analysisAt(engine, r.link2);
        const bool nounPartner = partner && (partner->partOfSpeech == speech_type::Noun ||
                                             (second && second->partOfSpeech == speech_type::Noun));
        if (!nounPartner) appendPluralMarker(text);
    }
    return text;
}

std::string numeralEnglish(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis& r = w.reading;
    const WordAnalysis* partner = firstPartner(engine, r);
    const int caseCode = r.grammar1 == 0 && partner ? partner->grammar1 : r.grammar1;
    std::string text(isPlainCase(caseCode)
                         ? (r.grammar4 == numeral_kind_type::Cardinal ? "" : "the ")
                         : casePrefix(caseCode).modifier);
    text += w.meaning;
    if (r.grammar4 == numeral_kind_type::Ordinal) text += "+th";
    else if (r.grammar4 == numeral_kind_type::Distributive) text += "-each";
    else if (r.grammar4 == numeral_kind_type::Adverb) text += "-times";
    return text;
}

// quam (not "than"), ut and uti as adverbs are "as", except in a question.
std::string adverbEnglish(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis& r = w.reading;
    const bool contextual = (formOf(r) == "quam." && w.meaning != "than") ||
                            formIsIgnoringCase(r, "ut.") ||
                            (formIsIgnoringCase(r, "uti.") && !engine.singleWordLookup);
    if (contextual) {
        return clauseClosesWithQuestion(engine, w.analysis) ? std::string(w.meaning) : "as";
    }
    std::string text(comparisonWord(r.stemKey));
    text += w.meaning;
    return text;
}

std::string participleEnglish(const Engine& engine, const WordInSentence& w) {
    const WordAnalysis& r = w.reading;
    const WordAnalysis* partner = firstPartner(engine, r);
    std::string text;
    if (isPlainCase(r.grammar1)) {
        if (partner && partner->partOfSpeech != speech_type::Verb &&
            r.grammar6 == kPerfectPassiveParticiple)
            text = "the ";
    } else {
        text = casePrefix(r.grammar1).modifier;
    }
    if (partnerWellBefore(partner, r)) text.clear();
    if (r.grammar6 == kGerundive) text += text.empty() ? "the RTB " : "RTB ";
    else if (r.grammar4 == kFutureParticiple) text += "soon ";

    const std::size_t blank = std::min(w.meaning.find(' '), w.meaning.size());
    const std::string_view first = w.meaning.substr(0, blank);
    const bool active = r.grammar5 == voice_type::Active;
    const bool deponent = r.kind2 == verb_kind_type::Deponent || r.kind2 == verb_kind_type::Semideponent;
    if (first == "be") text += active ? "being" : "been";
    else text += std::string(first) + (active ? "+ing" : "+ed");
    const std::string_view rest = w.meaning.substr(blank);
    text += active || deponent ? rest : passiveRest(rest, engine.lexicon.polish.as<PolishRecord>());
    return text;
}

std::string supineEnglish(const WordInSentence& w) {
    std::string text(w.reading.grammar1 == case_type::Accusative ? "" : "with ");
    return text + suffixOnFirstWord(w.meaning, "+ing");
}

std::string conjunctionEnglish(const Engine& engine, const WordInSentence& w) {
    const bool ut = formIsIgnoringCase(w.reading, "ut.") || formIsIgnoringCase(w.reading, "uti.");
    if (ut && !engine.singleWordLookup)
        return std::string(utConjunctionEnglish(engine, w.position, w.analysis));
    return std::string(w.meaning);
}

// A passive verb leaves out the object noun of its meaning: "capitur" (take hold) is "is taken".
void dropPassiveObjectNoun(std::string& phrase, const WordInSentence& w, std::span<const PolishRecord> table) {
    const WordAnalysis& r = w.reading;
    const bool deponent = r.kind2 == verb_kind_type::Deponent || r.kind2 == verb_kind_type::Semideponent;
    if (r.grammar2 != voice_type::Passive || deponent) return;   // grammar 2: the voice
    const std::string_view rest = w.meaning.substr(std::min(w.meaning.find(' '), w.meaning.size()));
    if (!rest.empty() && phrase.ends_with(rest) && passiveRest(rest, table).empty()) {
        phrase.resize(phrase.size() - rest.size());
    }
}

// The verb phrase with its subject pronoun; the subject count comes from the clause. In a
// sentence the perfect and the imperfect take the tenses of English narrative.
std::string verbEnglish(Engine& engine, const WordInSentence& w) {
    const int subjects =
        engine.singleWordLookup ? 0 : verbSubjectCount(engine, w.position, w.analysis);
    const std::size_t count =
        static_cast<std::size_t>(std::clamp(engine.analysisCount, 0, int(kAnalysisCapacity)));
    std::string phrase = buildVerbPhrase(w.meaning, subjects, w.analysis,
                                         std::span<const WordAnalysis>(engine.wordAnalyses, count));
    const auto table = engine.lexicon.polish.as<PolishRecord>();
    if (!engine.singleWordLookup) useNarrativeTense(phrase, w.reading, table);
    dropPassiveObjectNoun(phrase, w, table);
    return phrase;
}

std::string overlookedEnglish(const WordAnalysis& r) {
    char text[96];
    std::snprintf(text, sizeof text, "Ooops. Overlooked a speech-type %d (%s).\n", r.partOfSpeech,
                  std::string(formOf(r)).c_str());
    return text;
}

// A noun whose meaning does not begin with a lower-case letter (0x20 bit clear) is a proper noun.
int speechCode(const WordInSentence& w) {
    const int code = w.reading.partOfSpeech;
    const unsigned char first = w.meaning.empty() ? 0 : static_cast<unsigned char>(w.meaning[0]);
    return code == speech_type::Noun && (first & 0x20) == 0 ? kProperNoun : code;
}

}  // namespace

std::string englishOfReading(Engine& engine, const WordInSentence& w) {
    switch (speechCode(w)) {
    case speech_type::DeletedGram: return std::string(kGapText);
    case speech_type::Noun:
    case kProperNoun: return nounEnglish(engine, w);
    case speech_type::Pronoun: return pronounEnglish(engine, w);
    case speech_type::Adjective:
    case speech_type::SubstantiveAdjective: return adjectiveEnglish(engine, w);
    case speech_type::Numeral: return numeralEnglish(engine, w);
    case speech_type::Adverb: return adverbEnglish(engine, w);
    case speech_type::Verb: return verbEnglish(engine, w);
    case speech_type::Participle: return participleEnglish(engine, w);
    case speech_type::Supine: return supineEnglish(w);
    case speech_type::Conjunction: return conjunctionEnglish(engine, w);
    case speech_type::Preposition:
    case speech_type::Interjection:
    case speech_type::Tackon:
    case speech_type::Punctuation: return std::string(w.meaning);
    case speech_type::NotFound: return std::string(formOf(w.reading));
    default: return overlookedEnglish(w.reading);
    }
}

}  // namespace kavro
