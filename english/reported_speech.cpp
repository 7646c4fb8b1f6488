// Reported statements: finding the accusative and infinitive and making it an English clause.
#include "english/reported_speech.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/narrative_tenses.h"
#include "english/polish_records.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

// The first English word of the verbs that report a statement in the accusative and infinitive
// (dico, aio, nuntio, puto, credo, arbitror, scio, video, audio, sentio, spero, intellego, nego,
// respondeo, promitto, iuro, memini, ostendo, scribo, narro, doceo, comperio, fateor ...).
// Verbs of wishing and ordering (volo, iubeo) keep the English infinitive ("he ordered the
// soldiers to come") and are not here.
constexpr std::array<std::string_view, 37> kReportingVerbs = {
    "say",      "declare", "announce",  "report",   "tell",    "narrate",  "relate",  "think",
    "judge",    "believe", "trust",     "suppose",  "reckon",  "consider", "know",    "understand",
    "realize",  "see",     "hear",      "perceive", "feel",    "notice",   "hope",    "deny",
    "answer",   "promise", "swear",     "remember", "show",    "write",    "teach",   "learn",
    "discover", "affirm",  "proclaim",  "admit",    "imagine"};

// Verbs whose infinitive takes another infinitive ("se venire posse": that he could come): of
// two infinitives in a statement these are its verb.
constexpr std::array<std::string_view, 12> kGoverningInfinitives = {
    "be able", "wish", "want", "be willing", "be unwilling", "prefer", "ought", "begin", "dare",
    "try", "attempt", "cease"};

struct WordSwap {
    std::string_view from;
    std::string_view to;
};

// The sense of a verb that takes a clause where its first sense does not: credo "trust" is
// "believe that", spero "hope for" is "hope that".
constexpr std::array<WordSwap, 6> kClauseSenses = {{{"trusted", "believed"},
                                                   {"trusts", "believes"},
                                                   {"trust", "believe"},
                                                   {"hoped for", "hoped"},
                                                   {"hopes for", "hopes"},
                                                   {"hope for", "hope"}}};

// English verbs that describe a state: their present reads "knew", "had", not "was knowing".
constexpr std::array<std::string_view, 11> kStativeVerbs = {
    "have", "know", "love", "hate", "want", "wish", "seem", "own", "possess", "believe", "think"};

// The object forms of the English pronouns and their subject forms.
constexpr std::array<WordSwap, 9> kSubjectForms = {{{"him", "he"},
                                                   {"her", "she"},
                                                   {"them", "they"},
                                                   {"me", "I"},
                                                   {"us", "we"},
                                                   {"himself", "he"},
                                                   {"herself", "she"},
                                                   {"itself", "it"},
                                                   {"themselves", "they"}}};

std::string_view firstWord(std::string_view meaning) {
    return meaning.substr(0, std::min(meaning.find_first_of(" /,;"), meaning.size()));
}

bool isReportingVerb(const WordAnalysis& r) {
    const bool active = voiceOf(r) != voice_type::Passive || r.kind2 == verb_kind_type::Deponent;
    const std::string_view word = firstWord(meaningOf(r));
    return isFiniteVerb(r) && moodOf(r) != mood_type::Imperative && active &&
           std::find(kReportingVerbs.begin(), kReportingVerbs.end(), word) != kReportingVerbs.end();
}

bool governsInfinitive(const WordAnalysis& r) {
    const std::string_view meaning = meaningOf(r);
    return std::any_of(kGoverningInfinitives.begin(), kGoverningInfinitives.end(), [&](std::string_view m) {
        return meaning.starts_with(m) && (meaning.size() == m.size() || meaning[m.size()] == ' ');
    });
}

bool isInfinitive(const WordAnalysis& r) { return isVerb(r) && moodOf(r) == mood_type::Infinitive; }
bool isAccusative(const WordAnalysis& r) { return caseOf(r) == case_type::Accusative; }

// Participles: tense in grammar 4, voice in grammar 5.
bool isFutureActiveParticiple(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Participle && r.grammar4 == tense_type::Future &&
           r.grammar5 == voice_type::Active;
}

bool isDeponentReading(const WordAnalysis& r) { return r.kind2 == verb_kind_type::Deponent; }

// The part of the sentence around the verb: its words up to the marks and conjunctions.
struct Part {
    int verb, start, end;
};

// A word that a preposition governs is no subject ("in castra").
bool governedByPreposition(const PolishSentence& s, const Part& part, int q) {
    for (int p = part.start; p <= part.end; ++p) {
        if (s.reading(p).partOfSpeech == speech_type::Preposition && s.tied(p, q)) return true;
    }
    return false;
}

// The only finite verb of its part is the reporting verb.
bool soleFiniteVerb(const PolishSentence& s, const Part& part) {
    for (int q = part.start; q <= part.end; ++q) {
        if (q != part.verb && isFiniteVerb(s.reading(q))) return false;
    }
    return true;
}

// The infinitive of the statement: one that governs another ("se non posse venire": that he
// could not come), else the last of the part; failing that, a future active participle in the
// accusative, whose "esse" Latin often leaves out ("se venturum": that he would come).
int findInfinitive(const PolishSentence& s, const Part& part) {
    int found = -1;
    for (int q = part.start; q <= part.end; ++q) {
        if (!isInfinitive(s.reading(q))) continue;
        if (governsInfinitive(s.reading(q))) return q;
        found = q;
    }
    if (found >= 0) return found;
    for (int q = part.start; q <= part.end; ++q) {
        if (isFutureActiveParticiple(s.reading(q)) && isAccusative(s.reading(q))) return q;
    }
    return -1;
}

// The participle of "esse" in a compound infinitive: a perfect passive ("captam esse") or a
// future active one ("venturum esse") in the accusative.
int findParticiple(const PolishSentence& s, const Part& part, int infinitive) {
    if (!isCopulaBe(s.reading(infinitive))) return -1;
    for (int q = part.start; q <= part.end; ++q) {
        const WordAnalysis& r = s.reading(q);
        if (isAccusative(r) && (isPerfectPassiveParticiple(r) || isFutureActiveParticiple(r))) return q;
    }
    return -1;
}

// A relative or interrogative pronoun opens a clause of its own; a pronoun tied to a noun is
// that noun's adjective ("quam ob causam").
bool isClausePronoun(const PolishSentence& s, int q) {
    const WordAnalysis& r = s.reading(q);
    if (r.partOfSpeech != speech_type::Pronoun) return false;
    const WordAnalysis* partner = s.firstPartner(q);
    return r.kind2 == pronoun_kind_type::Relative || r.kind2 == pronoun_kind_type::Interrogative ||
           (partner && partner->partOfSpeech == speech_type::Noun);
}

bool isReflexive(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Pronoun && r.kind2 == pronoun_kind_type::Reflexive;
}

// The subject: the first accusative noun or pronoun of the part before the infinitive that no
// preposition governs, of the participle's number when there is one (Latin puts the subject
// first; an accusative after the infinitive is its object: "cogitabant interficere eum"). Only
// the reflexive "se" may follow ("sciunt offendisse se": they know that they have offended).
// "tecum" is "with you".
int findSubject(const PolishSentence& s, const Part& part, int infinitive, int participle) {
    for (int q = part.start; q <= part.end; ++q) {
        const WordAnalysis& r = s.reading(q);
        if (!isNominal(r) || !isAccusative(r) || governedByPreposition(s, part, q) || isClausePronoun(s, q) ||
            s.text(q).starts_with("with ") || (q > infinitive && !isReflexive(r))) {
            continue;
        }
        const int number = numberOf(r);   // none for the reflexive "se"
        if (participle >= 0 && number != 0 && number != numberOf(s.reading(participle))) continue;
        return q;
    }
    return -1;
}

// An infinitive that the statement's infinitive governs ("posse venire"), or -1.
int findGovernedInfinitive(const PolishSentence& s, const Part& part, int infinitive) {
    if (!governsInfinitive(s.reading(infinitive))) return -1;
    for (int q = part.start; q <= part.end; ++q) {
        if (q != infinitive && isInfinitive(s.reading(q))) return q;
    }
    return -1;
}

// The complement of "esse": an accusative adjective of the subject's number beside it ("lucem
// esse bonam", "lucem bonam esse") unless it belongs to a noun of its own ("eum esse bonum
// uirum"), or another accusative noun after it ("eum esse regem").
int findPredicate(const PolishSentence& s, const Part& part, int infinitive, int subject) {
    if (!isCopulaBe(s.reading(infinitive))) return -1;
    for (int q : {infinitive + 1, infinitive - 1}) {
        if (q == subject || q < part.start || q > part.end) continue;
        const WordAnalysis& r = s.reading(q);
        const int noun = s.firstPartnerPosition(q);
        const bool ownNoun = noun >= 0 && noun != subject && isNominal(s.reading(noun));
        if (r.partOfSpeech == speech_type::Adjective && isAccusative(r) &&
            numberOf(r) == numberOf(s.reading(subject)) && !ownNoun) {
            return q;
        }
    }
    for (int q = infinitive + 1; q <= part.end; ++q) {
        const WordAnalysis& r = s.reading(q);
        if (q != subject && isNominal(r) && isAccusative(r) && !governedByPreposition(s, part, q)) return q;
    }
    return -1;
}

// The person of the subject: 1 for "I" and "we", 2 for "you", 3 otherwise.
int personOfSubject(const WordAnalysis& r) {
    const std::string_view meaning = meaningOf(r);
    if (r.partOfSpeech != speech_type::Pronoun) return 3;
    if (meaning == "I" || meaning == "we") return 1;
    return meaning == "you" ? 2 : 3;
}

// How the finite verb agrees: "am", "is" or "are"; "was" or "were"; "has" or "have".
struct Agreement {
    bool singular;
    int person;
    std::string_view present() const { return !singular || person == 2 ? "are" : person == 1 ? "am" : "is"; }
    std::string_view past() const { return singular && person != 2 ? "was" : "were"; }
    std::string_view have() const { return singular && person == 3 ? "has" : "have"; }
    // The subject pronoun of the reflexive "se", which stands for the main verb's subject
    // (`verbText` is that verb's English: "she said" gives "she").
    std::string_view pronoun(std::string_view verbText) const {
        if (person == 1) return singular ? "I" : "we";
        if (person == 2) return "you";
        if (!singular) return "they";
        return verbText.starts_with("she ") ? "she" : verbText.starts_with("it ") ? "it" : "he";
    }
};

// The main verb's time: past (imperfect, perfect, pluperfect, and aio, which English tells in
// the past) or not.
bool pastTime(const WordAnalysis& verb) {
    const int tense = tenseOf(verb);
    const std::string_view stem = stemOf(verb);
    return tense == tense_type::Imperfect || tense == tense_type::Perfect || tense == tense_type::Pluperfect ||
           stem == "a" || stem == "ai";
}

// A verb phrase with its suffix marker resolved ("were come+ing" -> "were coming").
std::string finished(std::string phrase, const WordAnalysis& reading) {
    resolveMarkers(phrase, reading, nullptr);
    return phrase;
}

// The English verb of a meaning, split into its verb word and the rest ("put" "to flight").
struct EnglishVerb {
    std::string word;
    std::string rest;
    explicit EnglishVerb(std::string_view meaning) {
        const std::size_t blank = std::min(meaning.find(' '), meaning.size());
        word = std::string(meaning.substr(0, blank));
        rest = std::string(meaning.substr(blank));
    }
};

bool isPassive(const WordAnalysis& r) { return voiceOf(r) == voice_type::Passive && !isDeponentReading(r); }

// A present infinitive: the same time as the main verb ("was coming", "is coming", "was
// taken"; "knew" for a verb of state).
std::string sameTime(const WordAnalysis& inf, const EnglishVerb& v, const Agreement& a, bool past,
                     std::span<const PolishRecord> table) {
    const std::string be(past ? a.past() : a.present());
    if (v.word == "be") return be + v.rest;
    if (isPassive(inf)) return finished(be + " " + v.word + "+ed", inf) + std::string(passiveRest(v.rest, table));
    if (std::find(kStativeVerbs.begin(), kStativeVerbs.end(), v.word) != kStativeVerbs.end()) {
        if (past) return finished(simplePast(v.word, table), inf) + v.rest;
        if (a.singular && a.person == 3) return finished(v.word == "have" ? "has" : v.word + "+s", inf) + v.rest;
        return v.word + v.rest;
    }
    return finished(be + " " + v.word + "+ing", inf) + v.rest;
}

// A perfect infinitive: before the main verb's time ("had come", "has come").
std::string earlierTime(const WordAnalysis& inf, const EnglishVerb& v, const Agreement& a, bool past,
                        std::span<const PolishRecord> table) {
    const std::string have(past ? "had" : a.have());
    if (v.word == "be") return have + " been" + v.rest;
    if (isPassive(inf)) return finished(have + " been " + v.word + "+ed", inf) + std::string(passiveRest(v.rest, table));
    return finished(have + " " + v.word + "+ed", inf) + v.rest;
}

// A future infinitive: after the main verb's time ("would come", "will come").
std::string laterTime(const EnglishVerb& v, bool past) { return (past ? "would " : "will ") + v.word + v.rest; }

class StatementReader {
public:
    explicit StatementReader(PolishSentence& s) : s_(s), table_(s.engine().lexicon.polish.as<PolishRecord>()) {}

    // The statement reported by the verb at v; its subject is -1 when there is none.
    ReportedStatement find(int v) const {
        ReportedStatement out;
        const Part part{v, partStart(s_, v), partEnd(s_, v)};
        if (!isReportingVerb(s_.reading(v)) || !soleFiniteVerb(s_, part)) return out;
        const int infinitive = findInfinitive(s_, part);
        if (infinitive < 0) return out;
        const int participle = findParticiple(s_, part, infinitive);
        const int subject = findSubject(s_, part, infinitive, participle);
        if (subject < 0) return out;
        const int predicate = participle < 0 ? findPredicate(s_, part, infinitive, subject) : -1;
        out.verb = s_.chosenIndex(v);
        out.subject = s_.chosenIndex(subject);
        out.infinitive = s_.chosenIndex(infinitive);
        out.participle = participle < 0 ? -1 : s_.chosenIndex(participle);
        out.predicate = predicate < 0 ? -1 : s_.chosenIndex(predicate);
        const int governed = findGovernedInfinitive(s_, part, infinitive);
        out.governed = governed < 0 ? -1 : s_.chosenIndex(governed);
        return out;
    }

    void read(const ReportedStatement& st, bool addThat) {
        const int v = s_.positionOf(st.verb), a = s_.positionOf(st.subject), i = s_.positionOf(st.infinitive);
        const bool past = pastTime(s_.reading(v));
        std::string verbText = s_.text(v);
        for (const WordSwap& w : kClauseSenses) {
            if (replaceWholeWord(verbText, w.from, w.to)) break;
        }
        s_.setText(v, verbText);
        const Agreement agreement = agreementOf(s_.reading(a), s_.reading(v));
        std::string subjectText = isReflexive(s_.reading(a)) ? std::string(agreement.pronoun(verbText)) : s_.text(a);
        for (const WordSwap& w : kSubjectForms) {
            if (replaceWholeWord(subjectText, w.from, w.to)) break;
        }
        s_.setText(a, (addThat ? "that " : "") + subjectText);
        const int p = s_.positionOf(st.participle);
        if (p >= 0) {
            readCompound(i, p, agreement, past);
        } else {
            s_.setText(i, finiteOf(s_.reading(i), agreement, past));
        }
        negate(i, p);
        // "lucem esse bonam": good, without an article; a noun keeps its own ("the king").
        const int c = s_.positionOf(st.predicate);
        if (c >= 0 && !isNominal(s_.reading(c))) s_.setText(c, complementText(s_.text(c)));
    }

private:
    // The reflexive "se" stands for the main verb's subject and agrees as that does.
    static Agreement agreementOf(const WordAnalysis& subject, const WordAnalysis& verb) {
        if (isReflexive(subject)) return {verbNumberOf(verb) != number_type::Plural, personOf(verb)};
        return {numberOf(subject) != number_type::Plural, personOfSubject(subject)};
    }

    // "captam esse": had been taken; "venturum esse": would come; "locutum esse": had spoken.
    void readCompound(int i, int p, const Agreement& a, bool past) {
        const WordAnalysis& participle = s_.reading(p);
        const EnglishVerb v(meaningOf(participle));
        if (isFutureActiveParticiple(participle)) {
            s_.setText(i, laterTime(v, past));
            s_.setText(p, "");
        } else if (isDeponentReading(participle)) {
            const std::string have(past ? "had" : a.have());
            s_.setText(i, finished(have + " " + v.word + "+ed", participle) + v.rest);
            s_.setText(p, "");
        } else {
            s_.setText(i, std::string(past ? "had" : a.have()) + " been");
        }
    }

    std::string finiteOf(const WordAnalysis& inf, const Agreement& a, bool past) const {
        const EnglishVerb v(meaningOf(inf));
        if (inf.partOfSpeech == speech_type::Participle || tenseOf(inf) == tense_type::Future) return laterTime(v, past);
        if (tenseOf(inf) == tense_type::Perfect) return earlierTime(inf, v, a, past, table_);
        return sameTime(inf, v, a, past, table_);
    }

    // "non" before the infinitive (or before its participle) goes after the first word of the
    // finite verb: "se non posse venire" -> "that he was not able to come".
    void negate(int i, int p) {
        for (int q : {i - 1, p < 0 ? -1 : p - 1}) {
            if (q < 0 || formOf(s_.reading(q)) != "non.") continue;
            std::string phrase = s_.text(i);
            const std::size_t blank = phrase.find(' ');
            if (blank == std::string::npos) return;
            phrase.insert(blank, " not");
            s_.setText(i, phrase);
            s_.setText(q, "");
            return;
        }
    }

    PolishSentence& s_;
    std::span<const PolishRecord> table_;
};

}  // namespace

std::vector<ReportedStatement> readReportedStatements(PolishSentence& s, bool addThat) {
    StatementReader reader(s);
    std::vector<ReportedStatement> found;
    for (int v = 0; v < s.size(); ++v) {
        const ReportedStatement st = reader.find(v);
        if (st.subject >= 0) found.push_back(st);
    }
    for (const ReportedStatement& st : found) reader.read(st, addThat);
    return found;
}

}  // namespace kavro
