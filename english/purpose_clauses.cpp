// Purpose clauses that share the main clause's subject read as the English infinitive of
// purpose: "descendit ut videret civitatem" -> "he descended to see the city" (not "so that he
// would see"). A clause with its own subject keeps "so that" ("ut luceant stellae"), so does one
// of another person than the main verb ("da mihi ut sepeliam": so that I may bury), a negative
// one ("so that he would not") and a result after ita, sic, tam, adeo.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/narrative_tenses.h"
#include "english/polish_records.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

// The English of ut as a conjunction of purpose, or of what is asked or commanded.
constexpr std::array<std::string_view, 2> kPurposeWords = {"so that", "that"};
// Words before ut that make its clause a result ("ita ut": so that, with the result).
constexpr std::array<std::string_view, 5> kResultWords = {"ita.", "sic.", "tam.", "adeo.", "tantopere."};
// Conjunctions that join a second verb of the same clause ("ut operaretur et custodiret").
constexpr std::array<std::string_view, 3> kJoiners = {"et.", "que.", "ac."};

bool listed(std::string_view form, auto const& table) {
    return std::find(table.begin(), table.end(), form) != table.end();
}

bool isUt(const PolishSentence& s, int u) {
    const std::string_view form = formOf(s.reading(u));
    return (form == "ut." || form == "uti." || form == "Ut." || form == "Uti.") && listed(s.text(u), kPurposeWords);
}

bool isPresentOrImperfectSubjunctive(const WordAnalysis& r) {
    return isFiniteVerb(r) && moodOf(r) == mood_type::Subjunctive &&
           (tenseOf(r) == tense_type::Present || tenseOf(r) == tense_type::Imperfect);
}

bool isNominativeNominal(const WordAnalysis& r) {
    return isNominal(r) && caseOf(r) == case_type::Nominative;
}

// A word of result before ut in its sentence part.
bool afterResultWord(const PolishSentence& s, int u) {
    for (int q = u - 1; q >= 0 && !isPunctuation(s.reading(q)); --q) {
        if (listed(formOf(s.reading(q)), kResultWords)) return true;
    }
    return false;
}

bool endsClause(const WordAnalysis& r) {
    return isPunctuation(r) || (r.partOfSpeech == speech_type::Conjunction && !listed(formOf(r), kJoiners));
}

// A nominative noun or pronoun after the verb at v in its clause: the clause's own subject
// ("ut videret Deus"); a complement of "be" does not count ("ut esset rex": to be king).
bool subjectAfter(const PolishSentence& s, int v) {
    if (isCopulaBe(s.reading(v))) return false;
    for (int q = v + 1; q < s.size() && !endsClause(s.reading(q)) && !isFiniteVerb(s.reading(q)); ++q) {
        if (isNominativeNominal(s.reading(q))) return true;
    }
    return false;
}

// The verb of the clause that ut opens: its first finite verb before the next mark, which must
// be a present or imperfect subjunctive; -1 when the clause has its own nominative subject,
// a "not", or no such verb.
int purposeVerb(const PolishSentence& s, int u) {
    for (int q = u + 1; q < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (isPunctuation(r) || isNominativeNominal(r) || formOf(r) == "non." || formOf(r) == "ne.") return -1;
        if (!isFiniteVerb(r)) continue;
        return isPresentOrImperfectSubjunctive(r) && !subjectAfter(s, q) ? q : -1;
    }
    return -1;
}

// The infinitive of the verb at v without "to": "see", "be in charge", the passive "be taken".
std::string infinitiveOf(const PolishSentence& s, int v) {
    const WordAnalysis& r = s.reading(v);
    const std::string_view meaning = meaningOf(r);
    const bool deponent = r.kind2 == verb_kind_type::Deponent || r.kind2 == verb_kind_type::Semideponent;
    if (voiceOf(r) != voice_type::Passive || deponent) return std::string(meaning);
    const auto table = s.engine().lexicon.polish.as<PolishRecord>();
    const std::size_t blank = std::min(meaning.find(' '), meaning.size());
    std::string participle = std::string(meaning.substr(0, blank)) + "+ed";
    resolveMarkers(participle, r, nullptr);
    applyPolishTable(table, participle);
    return "be " + participle + std::string(passiveRest(meaning.substr(blank), table));
}

// A second subjunctive of the clause joined to the first by et, -que or ac, past its object and
// a comma ("ut operaretur, et custodiret illum": to work and guard it); -1 when there is none.
int joinedVerb(const PolishSentence& s, int v) {
    const WordAnalysis& first = s.reading(v);
    for (int q = v + 1; q + 1 < s.size(); ++q) {
        const WordAnalysis& r = s.reading(q);
        if (isFiniteVerb(r) || (isPunctuation(r) && formOf(r) != ",")) return -1;
        if (!listed(formOf(r), kJoiners)) continue;
        const WordAnalysis& next = s.reading(q + 1);
        const bool same = isPresentOrImperfectSubjunctive(next) && tenseOf(next) == tenseOf(first) &&
                          personOf(next) == personOf(first) && verbNumberOf(next) == verbNumberOf(first);
        return same && !subjectAfter(s, q + 1) ? q + 1 : -1;
    }
    return -1;
}

// The clause of ut shares the main clause's subject: the finite verb before ut is an indicative
// of the third person and of the number of ut's verb ("descendit ut videret"). Where the persons
// differ ("da mihi ut sepeliam": so that I may bury), where one speaks of oneself or to another
// ("servivi ut abeam": so that I may depart) or the main verb commands, English keeps "so that".
bool sharesSubject(const PolishSentence& s, int u, int v) {
    for (int q = u - 1; q >= 0; --q) {
        const WordAnalysis& r = s.reading(q);
        if (!isFiniteVerb(r)) continue;
        const WordAnalysis& verb = s.reading(v);
        return moodOf(r) == mood_type::Indicative && personOf(r) == 3 && personOf(verb) == 3 &&
               verbNumberOf(r) == verbNumberOf(verb);
    }
    return false;
}

}  // namespace

void readPurposeInfinitives(PolishSentence& s) {
    for (int u = 0; u < s.size(); ++u) {
        if (!isUt(s, u) || s.isUserPhrase(u) || afterResultWord(s, u)) continue;
        const int v = purposeVerb(s, u);
        if (v < 0 || s.isUserPhrase(v) || !sharesSubject(s, u, v)) continue;
        s.setText(u, "");
        s.setText(v, "to " + infinitiveOf(s, v));
        const int second = joinedVerb(s, v);
        if (second >= 0 && !s.isUserPhrase(second)) s.setText(second, infinitiveOf(s, second));
    }
}

}  // namespace kavro
