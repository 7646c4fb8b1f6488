// English word order. The sentence is cut into stretches (clauses and their parts); in each the
// phrase table is applied and the words are put into English order, each position moving with
// its chosen reading: "Caesar urbem magnam cepit" -> "Caesar captured the great city".
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "core/view_options.h"
#include "english/connectives.h"
#include "english/phrase_units.h"
#include "english/polish_records.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/relative_clauses.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

constexpr std::size_t kStretchCapacity = 100;

// Adjectives that stand where English puts a determiner (no article before them).
constexpr std::array<std::string_view, 9> kDeterminerStems = {"me", "tu", "su", "nostr", "uestr",
                                                              "omn", "cunct", "uniuers", "null"};

struct Stretch {
    int first;
    int last;
    int verbs;
    bool hasBe;
    int connective;   // position of the first connective, or -1
};

// A relative clause always takes the full order, its opening adverbials too: "qui in castris
// erant" -> "who were in the forts".
enum class Mode { VerbAfterNominatives, SubjectVerbObject, RelativeClause };

bool opensStretch(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Pronoun && r.grammar6 == 8;
}

// A connective in second place ("Vidit igitur Deus") does not cut its clause.
bool closesStretch(const WordAnalysis& r) {
    const bool clauseConjunction =
        r.partOfSpeech == speech_type::Conjunction && r.grammar5 != 2 && !isConnective(r);
    return isPunctuation(r) || clauseConjunction ||
           (r.partOfSpeech == speech_type::Adverb && r.grammar5 == 1);
}

// A substantive adjective with a partner reads as the adjective of a noun, or as the noun of an
// adjective, verb or participle.
void retagSubstantiveAdjectives(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        WordAnalysis* r = s.editableReading(p);
        const WordAnalysis* partner = s.firstPartner(p);
        if (!r || r->partOfSpeech != speech_type::SubstantiveAdjective || !partner) continue;
        switch (partner->partOfSpeech) {
        case speech_type::Noun:
        case speech_type::Pronoun: r->partOfSpeech = speech_type::Adjective; break;
        case speech_type::Adjective:
        case speech_type::Verb:
        case speech_type::Participle: r->partOfSpeech = speech_type::Noun; break;
        default: break;
        }
    }
}

// A conjunction after a preposition goes before it.
void liftConjunctionsOverPrepositions(PolishSentence& s) {
    for (int p = 0; p + 1 < s.size(); ++p) {
        if (s.reading(p).partOfSpeech == speech_type::Preposition &&
            s.reading(p + 1).partOfSpeech == speech_type::Conjunction) {
            s.swap(p);
            ++p;
        }
    }
}

void survey(const PolishSentence& s, Stretch& st) {
    st.verbs = 0;
    st.hasBe = false;
    st.connective = -1;
    for (int p = st.first; p <= st.last; ++p) {
        const WordAnalysis& r = s.reading(p);
        if (isVerb(r)) ++st.verbs;
        if (isCopulaBe(r)) st.hasBe = true;
        if (st.connective < 0 && isConnective(r)) st.connective = p;
    }
}

// A relative pronoun that refers to nothing before it opens a clause of its own ("vidit Deus
// quod esset bonum": that it was good).
bool opensOwnClause(const PolishSentence& s, int p, const std::vector<RelativeClause>& relatives) {
    return isRelativePronoun(s.reading(p)) && !refersBack(relatives, p);
}

std::vector<Stretch> cutStretches(const PolishSentence& s) {
    std::vector<Stretch> out;
    int first = 0;
    const auto close = [&](int last) {
        if (last >= first) out.push_back({first, last, 0, false, -1});
        first = last + 1;
    };
    const std::vector<RelativeClause> relatives = findRelativeClauses(s);
    for (int p = 0; p < s.size() && out.size() + 1 < kStretchCapacity; ++p) {
        const WordAnalysis& r = s.reading(p);
        if ((opensStretch(r) || opensOwnClause(s, p, relatives)) && p > first) close(p - 1);
        if (closesStretch(r)) close(p);
    }
    close(s.size() - 1);
    for (Stretch& st : out) survey(s, st);
    return out;
}

// A connective near the start of its stretch moves to the start: "Caesar enim" -> "for Caesar".
void frontConnective(PolishSentence& s, Stretch& st) {
    const int c = st.connective;
    if (c < 0 || c == st.first || c - st.first >= 3) return;
    const int before = s.reading(c - 1).partOfSpeech;
    if (before == speech_type::Adverb || before == speech_type::Conjunction) return;
    s.move(c, st.first);
    st.connective = st.first;
}

// The relative clauses that stand inside the stretch, after their antecedents.
std::vector<RelativeClause> relativeClausesOf(const PolishSentence& s, const Stretch& st) {
    PositionRun run;
    run.offset = st.first;
    for (int p = st.first; p <= st.last; ++p) {
        run.readings.push_back(&s.reading(p));
        run.index.push_back(s.chosenIndex(p));
    }
    return findRelativeClauses(run);
}

// Three verbs or more in one stretch make the sentence too involved to rebuild fully.
bool crowded(const std::vector<Stretch>& stretches) {
    return std::any_of(stretches.begin(), stretches.end(), [](const Stretch& st) {
        return (st.verbs * 5 - 5) * (st.verbs - 1) >= 19;
    });
}

Mode modeOf(int bestOrder, const Stretch& st, bool crowdedSentence) {
    if (bestOrder == static_cast<int>(BestOrder::VerbAfterNominatives)) return Mode::VerbAfterNominatives;
    if (bestOrder == static_cast<int>(BestOrder::Svoe)) return Mode::SubjectVerbObject;
    return !crowdedSentence && !st.hasBe ? Mode::SubjectVerbObject : Mode::VerbAfterNominatives;
}

// Moves the positions first .. first+n-1 into `order` (a list of those same positions).
void permute(PolishSentence& s, int first, const std::vector<int>& order) {
    std::vector<int> current(order.size());
    for (std::size_t i = 0; i < current.size(); ++i) current[i] = first + static_cast<int>(i);
    for (std::size_t t = 0; t < order.size(); ++t) {
        const auto at = std::find(current.begin() + static_cast<long>(t), current.end(), order[t]);
        if (at == current.end()) return;
        const std::size_t k = static_cast<std::size_t>(at - current.begin());
        if (k == t) continue;
        s.move(first + static_cast<int>(k), first + static_cast<int>(t));
        std::rotate(current.begin() + static_cast<long>(t), at, at + 1);
    }
}

bool isCommonNoun(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Noun && !isProperNoun(r);
}

bool isNominative(const WordAnalysis& r) {
    const bool declined = isNominal(r) || r.partOfSpeech == speech_type::Adjective ||
                          r.partOfSpeech == speech_type::Participle ||
                          r.partOfSpeech == speech_type::Numeral;
    return declined && caseOf(r) == case_type::Nominative;
}

// A noun with a genitive of its own after it keeps its article as a complement ("Haec sunt
// nomina filiorum": these are the names of the sons).
bool specifiedByGenitive(const PolishSentence& s, int p) {
    const WordAnalysis& next = s.reading(p + 1);
    return s.reading(p).partOfSpeech == speech_type::Noun && isNominal(next) &&
           caseOf(next) == case_type::Genitive;
}

// Subject, copula and complement, each met once, in that order: "Marcus bonus est" -> "Marcus
// is good". Returns the complement's new position, or -1.
int orderCopulaClause(PolishSentence& s, const Stretch& st, const std::vector<RelativeClause>& relatives) {
    std::vector<int> copulas, nominatives;
    for (int p = st.first; p <= st.last; ++p) {
        if (relativeClauseAt(relatives, p)) continue;
        if (isCopulaReading(s.reading(p))) copulas.push_back(p);
        if (isNominative(s.reading(p))) nominatives.push_back(p);
    }
    if (copulas.size() != 1 || nominatives.size() != 2) return -1;
    const bool firstIsNominal = isNominal(s.reading(nominatives[0]));
    if (!firstIsNominal && !isNominal(s.reading(nominatives[1]))) return -1;
    const int subject = firstIsNominal ? nominatives[0] : nominatives[1];
    const int complement = firstIsNominal ? nominatives[1] : nominatives[0];
    if (numberOf(s.reading(subject)) != numberOf(s.reading(complement))) return -1;
    std::array<int, 3> places = {subject, copulas[0], complement};
    std::sort(places.begin(), places.end());
    std::vector<int> order;
    for (int p = places[0]; p <= places[2]; ++p) {
        order.push_back(p == places[0]   ? subject
                        : p == places[1] ? copulas[0]
                        : p == places[2] ? complement
                                         : p);
    }
    const bool commonNoun = isCommonNoun(s.reading(subject));
    permute(s, places[0], order);
    std::string text = s.text(places[0]);
    if (commonNoun && !text.starts_with("the ") && !text.starts_with('<')) {
        s.setText(places[0], "the " + text);
    }
    if (!specifiedByGenitive(s, places[2])) s.setText(places[2], complementText(s.text(places[2])));
    return places[2];
}

void applyPhraseTableTo(PolishSentence& s, const Stretch& st) {
    const auto table = s.engine().lexicon.phrasePolish.as<PhraseRecord>();
    for (int p = st.first; p <= st.last; ++p) {
        applyPhraseTable(table, s.engine().sentence.englishSlots[p], kEnglishSlotSize, s.reading(p));
    }
}

bool isLeadingWord(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Conjunction || r.partOfSpeech == speech_type::Tackon ||
           isConnective(r) || opensStretch(r) || isPunctuation(r);
}

// Pronouns, possessives and words of a whole, and the cardinal numbers ("dies unus": one day,
// "duo luminaria": two lights).
bool isDeterminer(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Pronoun ||
           (r.partOfSpeech == speech_type::Numeral && r.grammar4 == numeral_kind_type::Cardinal) ||
           (r.partOfSpeech == speech_type::Adjective &&
            std::find(kDeterminerStems.begin(), kDeterminerStems.end(), stemOf(r)) != kDeterminerStems.end());
}

// The case prefix of a noun moves to the first word now standing before it: "great" "the
// city" -> "the great" "city"; a determiner takes the preposition but no article.
void handOverPrefix(PolishSentence& s, int head, int leader) {
    std::string headText = s.text(head);
    std::string leaderText = s.text(leader);
    const int headPrefix = prefixLength(headText);
    if (headPrefix == 0 || leaderText.starts_with('~') || headText.starts_with('~')) return;
    const std::string prefix = headText.substr(0, static_cast<std::size_t>(headPrefix));
    const int leaderPrefix = prefixLength(leaderText);
    if (leaderPrefix > 0 &&
        leaderText.compare(0, static_cast<std::size_t>(leaderPrefix), prefix) != 0) {
        return;
    }
    if (leaderPrefix == 0) {
        std::string particle = prefix;
        const bool article = particle.ends_with("the ");
        if (article) particle.resize(particle.size() - 4);
        if (article && !isDeterminer(s.reading(leader))) particle += "the ";
        s.setText(leader, particle + leaderText);
    }
    s.setText(head, headText.substr(prefix.size()));
}

// "of him" put before its noun is "his"; "of them" "their".
void makePossessive(PolishSentence& s, int p) {
    const std::string text = s.text(p);
    if (!text.starts_with("of ")) return;
    const WordAnalysis& r = s.reading(p);
    const std::string_view possessive = numberOf(r) == number_type::Plural ? "their"
                                        : genderOf(r) == gender_type::Feminine ? "her"
                                        : genderOf(r) == gender_type::Neuter   ? "its"
                                                                               : "his";
    s.setText(p, std::string(possessive));
}

// A relative or interrogative pronoun opens a clause of its own: no verb goes after it.
bool isClauseWord(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Pronoun &&
           (r.kind2 == pronoun_kind_type::Relative || r.kind2 == pronoun_kind_type::Interrogative);
}

// A third person verb (not a copula, not an imperative) followed by a nominative noun or
// pronoun of its number that does not open a clause: "vidit Deus" reads "God saw", "rupti sunt
// omnes fontes" "all the springs were broken" (a compound tense is no copula).
bool isSubjectAfterVerb(const WordAnalysis& verb, bool compound, const WordAnalysis& subject) {
    return (compound || !isCopulaReading(verb)) && moodOf(verb) != mood_type::Imperative && personOf(verb) == 3 &&
           isNominal(subject) && numberOf(subject) == verbNumberOf(verb) && !isClauseWord(subject);
}

bool isAdverbWord(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Adverb || r.partOfSpeech == speech_type::Conjunction;
}

int rank(UnitRole role) { return static_cast<int>(role); }

// Adverbs of time that open their clause before the verb ("cum locutus esset": when he had
// spoken; "tunc venit": then he came), and the conjunctions.
constexpr std::array<std::string_view, 8> kOpeningAdverbs = {"cum.", "quando.", "ubi.", "tunc.", "tum.",
                                                             "deinde.", "postquam.", "dum."};

bool opensWithTime(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Conjunction ||
           (r.partOfSpeech == speech_type::Adverb &&
            std::find(kOpeningAdverbs.begin(), kOpeningAdverbs.end(), formOf(r)) != kOpeningAdverbs.end());
}

// The doer of a passive follows its verb: "a nostris fugati sunt" -> "were put to flight by our
// men", "a Deo vocatur" -> "is called by God".
void placeAgentsAfterVerb(const PhraseUnits& units, std::vector<int>& roots) {
    const auto verb =
        std::find_if(roots.begin(), roots.end(), [&](int r) { return units.role(r) == UnitRole::Verb; });
    if (verb == roots.end()) return;
    const int verbRoot = *verb;
    for (auto it = roots.begin(); *it != verbRoot;) {
        if (!units.isAgent(*it)) {
            ++it;
            continue;
        }
        const int agent = *it;
        roots.erase(it);
        roots.insert(std::find(roots.begin(), roots.end(), verbRoot) + 1, agent);
        it = roots.begin();
    }
}

// The unit roots in English order, the word order of the mode first.
std::vector<int> orderUnitRoots(const PhraseUnits& units, Mode mode) {
    std::vector<int> roots = units.roots();
    if (mode != Mode::VerbAfterNominatives) {
        // Adverbials that open the clause before its subject, verb and object stay in front:
        // "In principio creavit Deus" -> "In the beginning God created".
        // In a relative clause only adverbs keep that place.
        const auto lead = std::find_if(roots.begin(), roots.end(), [&](int r) {
            if (mode == Mode::RelativeClause) return !isAdverbWord(units.reading(r));
            return units.role(r) != UnitRole::Other && units.role(r) != UnitRole::Address;
        });
        std::stable_sort(lead, roots.end(),
                         [&](int a, int b) { return rank(units.role(a)) < rank(units.role(b)); });
        return roots;
    }
    const auto subjectOf = std::find_if(roots.begin(), roots.end(),
                                        [&](int r) { return units.role(r) == UnitRole::Subject; });
    const auto verbOf = std::find_if(roots.begin(), roots.end(),
                                     [&](int r) { return units.role(r) == UnitRole::Verb; });
    if (verbOf != roots.end() && subjectOf != roots.end() && verbOf + 1 == subjectOf &&
        isSubjectAfterVerb(units.reading(*verbOf), units.holdsParticiple(*verbOf), units.reading(*subjectOf))) {
        // "vidit Deus lucem" -> "God saw the light": a verb right before its subject follows it.
        std::rotate(verbOf, verbOf + 1, subjectOf + 1);
        return roots;
    }
    if (roots.size() < 2 || units.role(roots.back()) != UnitRole::Verb) return roots;
    const int verb = roots.back();
    roots.pop_back();
    auto subject = std::find_if(roots.rbegin(), roots.rend(),
                                [&](int r) { return units.role(r) == UnitRole::Subject; });
    // Without a subject the verb opens the clause after its address and its opening adverbs
    // ("cum locutus esset": when he had spoken, "tunc venit": then he came).
    auto place = subject != roots.rend() ? subject.base()
                                         : std::find_if(roots.begin(), roots.end(), [&](int r) {
                                               return units.role(r) != UnitRole::Address &&
                                                      !opensWithTime(units.reading(r));
                                           });
    roots.insert(place, verb);
    return roots;
}

// The unit roots in English order.
std::vector<int> orderUnits(const PhraseUnits& units, Mode mode) {
    std::vector<int> roots = orderUnitRoots(units, mode);
    placeAgentsAfterVerb(units, roots);
    return roots;
}

// Puts positions first .. last into English order, phrase unit by phrase unit.
// The places, after the reordering, of the words that open the reported statements of the range:
// the first word with English of each subject's phrase.
std::vector<int> reportedOpenings(const PolishSentence& s, const PhraseUnits& units, const std::vector<int>& newPlace,
                                  int first, const std::vector<ReportedStatement>& reported) {
    std::vector<int> openings;
    for (const ReportedStatement& st : reported) {
        const int subject = s.positionOf(st.subject);
        if (subject < first || subject >= first + static_cast<int>(newPlace.size())) continue;
        int opening = -1;
        for (int q : units.flatten(subject)) {
            const int now = newPlace[static_cast<std::size_t>(q - first)];
            if (!s.text(q).empty() && (opening < 0 || now < opening)) opening = now;
        }
        if (opening >= 0) openings.push_back(opening);
    }
    return openings;
}

void reorderRange(PolishSentence& s, int first, int last, Mode mode, int complement,
                  const std::vector<RelativeClause>& relatives, const std::vector<ReportedStatement>& reported) {
    if (last - first < 1) return;
    bool copulaClause = false;
    for (int p = first; p <= last; ++p) {
        if (!relativeClauseAt(relatives, p)) copulaClause = copulaClause || isCopulaReading(s.reading(p));
    }
    const PhraseUnits units(s, first, last, copulaClause, complement, relatives, reported);
    std::vector<int> order;
    for (int root : orderUnits(units, mode)) {
        const std::vector<int> unit = units.flatten(root);
        order.insert(order.end(), unit.begin(), unit.end());
    }
    std::vector<int> newPlace(static_cast<std::size_t>(last - first + 1));
    for (std::size_t i = 0; i < order.size(); ++i) {
        newPlace[static_cast<std::size_t>(order[i] - first)] = first + static_cast<int>(i);
    }
    const std::vector<int> openings = reportedOpenings(s, units, newPlace, first, reported);
    permute(s, first, order);
    for (int head : units.headsWithLeaders()) {
        const int headNow = newPlace[static_cast<std::size_t>(head - first)];
        for (int q : units.flatten(head)) {
            const int now = newPlace[static_cast<std::size_t>(q - first)];
            if (now < headNow && isPossessiveAt(s, now)) makePossessive(s, now);
        }
        const int leader = units.flatten(head).front();
        if (leader > head) {
            handOverPrefix(s, newPlace[static_cast<std::size_t>(head - first)],
                           newPlace[static_cast<std::size_t>(leader - first)]);
        }
    }
    // "that" opens a reported statement, before the first word of its subject's phrase.
    for (int q : openings) {
        if (!s.text(q).starts_with("that ")) s.setText(q, "that " + s.text(q));
    }
}

// The words that open a stretch and keep their place: conjunctions, connectives, a relative
// pronoun with the preposition that governs it ("in quibus"). Returns the first other word.
int skipLeadingWords(const PolishSentence& s, int first, int last, bool& relative) {
    relative = false;
    while (first <= last) {
        // "eo quod": a word whose English went into the relative's slot
        if (s.text(first).empty() && first + 1 <= last && isRelativePronoun(s.reading(first + 1))) {
            ++first;
            continue;
        }
        const WordAnalysis& r = s.reading(first);
        const bool relativeNext = r.partOfSpeech == speech_type::Preposition &&
                                  isRelativePronoun(s.reading(first + 1)) && first + 1 <= last;
        if (isRelativePronoun(r) || relativeNext) relative = true;
        if (!isLeadingWord(r) && !isRelativePronoun(r) && !relativeNext) break;
        first += relativeNext ? 2 : 1;
    }
    return first;
}

Mode relativeMode(Mode mode) {
    return mode == Mode::SubjectVerbObject ? Mode::RelativeClause : mode;
}

void reorderStretch(PolishSentence& s, const Stretch& st, Mode mode, int complement,
                    const std::vector<RelativeClause>& relatives, const std::vector<ReportedStatement>& reported) {
    bool relative = false;
    const int first = skipLeadingWords(s, st.first, st.last, relative);
    int last = st.last;
    while (last >= first && closesStretch(s.reading(last))) --last;
    for (const RelativeClause& rc : relatives) {
        reorderRange(s, rc.pronoun + 1, rc.last, relativeMode(mode), -1, {}, reported);
    }
    reorderRange(s, first, last, relative ? relativeMode(mode) : mode, complement, relatives, reported);
}

}  // namespace

void orderEnglishWords(PolishSentence& s, int bestOrder, const std::vector<ReportedStatement>& reported) {
    retagSubstantiveAdjectives(s);
    liftConjunctionsOverPrepositions(s);
    std::vector<Stretch> stretches = cutStretches(s);
    for (Stretch& st : stretches) frontConnective(s, st);
    const bool crowdedSentence = crowded(stretches);
    for (const Stretch& st : stretches) {
        const std::vector<RelativeClause> relatives = relativeClausesOf(s, st);
        const int complement = orderCopulaClause(s, st, relatives);
        applyPhraseTableTo(s, st);
        reorderStretch(s, st, modeOf(bestOrder, st, crowdedSentence), complement, relatives, reported);
    }
}

}  // namespace kavro
