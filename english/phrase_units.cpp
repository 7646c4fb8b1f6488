// Phrase units of the word order.
#include "english/phrase_units.h"

#include <algorithm>

#include "core/grammar_codes.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

bool isModifier(const PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    switch (r.partOfSpeech) {
    case speech_type::Adjective:
    case speech_type::Numeral:
    case speech_type::Participle: return true;
    case speech_type::Pronoun: {
        // A relative pronoun opens its clause; it does not stand before its noun.
        if (r.kind2 == pronoun_kind_type::Relative) return false;
        const WordAnalysis* partner = s.firstPartner(p);
        return partner && partner->partOfSpeech == speech_type::Noun;
    }
    default: return false;
    }
}

bool isJoiner(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Tackon ||
           (r.partOfSpeech == speech_type::Conjunction && r.grammar5 == 2);
}

}  // namespace

bool isPossessivePronoun(const WordAnalysis& r) {
    if (r.partOfSpeech != speech_type::Pronoun || caseOf(r) != case_type::Genitive) return false;
    // The demonstrative reading of eius, eorum, earum reads as the personal one too.
    const std::string_view form = formOf(r);
    return (r.kind2 == pronoun_kind_type::Personal && meaningOf(r) == "he") || form == "e.ius" ||
           form == "e.orum" || form == "e.arum";
}

bool isPossessiveAt(const PolishSentence& s, int p) {
    return isPossessivePronoun(s.reading(p)) && !holdsWord(s.text(p), "same");
}

PhraseUnits::PhraseUnits(const PolishSentence& s, int first, int last, bool copulaClause,
                         int complement, const std::vector<RelativeClause>& relatives,
                         const std::vector<ReportedStatement>& reported)
    : s_(s), first_(first), last_(std::max(first - 1, last)), copulaClause_(copulaClause),
      complement_(complement) {
    const std::size_t n = static_cast<std::size_t>(last_ - first_ + 1);
    parent_.assign(n, -1);
    relative_.assign(n, -1);
    before_.resize(n);
    after_.resize(n);
    attachRelativeClauses(relatives);
    attachReportedStatements(reported);
    attachCompoundParticiples();
    attachModifiers();
    attachGenitives();
    attachJoinedWords();
    attachPrepositionObjects();
    attachNegations();
}

int PhraseUnits::rootOf(int p) const {
    while (parent_[index(p)] >= 0) p = parent_[index(p)];
    return p;
}

bool PhraseUnits::attach(int child, int host, bool before) {
    if (!inRange(child) || !inRange(host) || relative_[index(child)] != relative_[index(host)]) return false;
    return link(child, host, before);
}

bool PhraseUnits::link(int child, int host, bool before) {
    if (!inRange(child) || !inRange(host) || child == host || parent_[index(child)] >= 0) return false;
    for (int up = host; up >= 0; up = parent_[index(up)]) {
        if (up == child) return false;
    }
    parent_[index(child)] = host;
    auto& list = before ? before_[index(host)] : after_[index(host)];
    list.insert(std::upper_bound(list.begin(), list.end(), child), child);
    return true;
}

// The words of a relative clause follow its first word in their order, and the clause follows
// its antecedent.
void PhraseUnits::attachRelativeClauses(const std::vector<RelativeClause>& relatives) {
    for (std::size_t c = 0; c < relatives.size(); ++c) {
        const RelativeClause& rc = relatives[c];
        if (!inRange(rc.first) || !inRange(rc.last) || !inRange(rc.antecedent)) continue;
        for (int q = rc.first; q <= rc.last; ++q) relative_[index(q)] = static_cast<int>(c);
        for (int q = rc.first + 1; q <= rc.last; ++q) link(q, rc.first, false);
        link(rc.first, rc.antecedent, false);
    }
}

// Adjectives, numerals and pronouns go before the noun they agree with, participles after it.
void PhraseUnits::attachModifiers() {
    for (int q = first_; q <= last_; ++q) {
        if (q == complement_ || !isModifier(s_, q)) continue;
        int host = s_.firstPartnerPosition(q);
        if (!inRange(host) || !isNominal(s_.reading(host)) || relative_[index(host)] != relative_[index(q)]) {
            host = -1;
            for (int h = first_; h <= last_ && host < 0; ++h) {
                if (h != q && isNominal(s_.reading(h)) && s_.pointsTo(h, q) &&
                    relative_[index(h)] == relative_[index(q)]) {
                    host = h;
                }
            }
        }
        // "somnium meum quod vidi": an adjective tied to nothing else in its clause goes with the
        // noun of its case, number and gender right before it.
        const WordAnalysis& before = s_.reading(q - 1);
        const WordAnalysis& r = s_.reading(q);
        const bool agrees = caseOf(before) == caseOf(r) && numberOf(before) == numberOf(r) &&
                            genderOf(before) == genderOf(r);
        if (host < 0 && inRange(q - 1) && before.partOfSpeech == speech_type::Noun && agrees) {
            host = q - 1;
        }
        // "in magno periculo": an adjective that the preposition took for its object goes with
        // the noun of its case and number after it that the preposition governs too.
        const WordAnalysis& after = s_.reading(q + 1);
        const int preposition = s_.firstPartnerPosition(q);
        if (host < 0 && inRange(q + 1) && preposition >= 0 &&
            s_.reading(preposition).partOfSpeech == speech_type::Preposition && s_.tied(preposition, q + 1) &&
            isNominal(after) && caseOf(after) == caseOf(r) && numberOf(after) == numberOf(r)) {
            host = q + 1;
        }
        // "Haec sunt nomina": a pronoun that agrees with the complement of its copula is the
        // subject ("these are the names"), not the complement's adjective.
        if (host >= 0 && host == complement_ && s_.reading(q).partOfSpeech == speech_type::Pronoun) continue;
        if (host >= 0) attach(q, host, s_.reading(q).partOfSpeech != speech_type::Participle);
    }
}

// A genitive goes after the noun it belongs to, a possessive pronoun before it.
void PhraseUnits::attachGenitives() {
    for (int q = first_; q <= last_; ++q) {
        const WordAnalysis& r = s_.reading(q);
        if (!isNominal(r) || caseOf(r) != case_type::Genitive || parent_[index(q)] >= 0) continue;
        bool attached = false;
        for (int h = first_; h <= last_ && !attached; ++h) {
            const WordAnalysis& host = s_.reading(h);
            attached = h != q && isNominal(host) && caseOf(host) != case_type::Genitive &&
                       s_.tied(q, h) && attach(q, h, isPossessiveAt(s_, q));
        }
        // "uxor eius": a possessive pronoun tied to nothing belongs to the noun just before it.
        if (!attached && isPossessiveAt(s_, q) && inRange(q - 1)) {
            const WordAnalysis& host = s_.reading(q - 1);
            if (host.partOfSpeech == speech_type::Noun && caseOf(host) != case_type::Genitive) {
                attach(q, q - 1, true);
            }
        }
    }
}

// "a and b": the joiner and b follow a.
void PhraseUnits::attachJoinedWords() {
    for (int q = first_; q <= last_; ++q) {
        const WordAnalysis& r = s_.reading(q);
        if (!isJoiner(r)) continue;
        const int a = s_.positionOf(r.link1);
        const int b = s_.positionOf(r.link2);
        if (!inRange(a) || !inRange(b) || !(a < q && q < b)) continue;
        if (attach(q, a, false)) attach(rootOf(b), a, false);
    }
}

// A preposition is followed by its object with the object's own words.
void PhraseUnits::attachPrepositionObjects() {
    for (int q = first_; q <= last_; ++q) {
        if (s_.reading(q).partOfSpeech != speech_type::Preposition) continue;
        int object = s_.firstPartnerPosition(q);
        if (!inRange(object) || object < q) {
            object = -1;
            for (int h = q + 1; h <= last_ && object < 0; ++h) {
                if (s_.pointsTo(h, q)) object = h;
            }
        }
        if (object >= 0) attach(rootOf(object), q, false);
    }
}

// "non" stays after the verb that it was put behind.
void PhraseUnits::attachNegations() {
    for (int q = first_ + 1; q <= last_; ++q) {
        if (formOf(s_.reading(q)) == "non." && isFiniteVerb(s_.reading(q - 1))) attach(q, q - 1, false);
    }
}

// "lucem esse bonam": the light was good; "urbem captam esse": the city had been taken.
void PhraseUnits::attachReportedStatements(const std::vector<ReportedStatement>& reported) {
    for (const ReportedStatement& st : reported) {
        const int subject = s_.positionOf(st.subject);
        const int verb = s_.positionOf(st.infinitive);
        if (!inRange(subject) || !inRange(verb)) continue;
        for (int part : {st.participle, st.predicate, st.governed}) {
            const int q = s_.positionOf(part);
            if (q >= 0) attach(q, verb, false);
        }
        attach(verb, subject, false);
    }
}

// "fugati sunt" reads "were put to flight": the participle of a compound tense follows its "be"
// as one verb, wherever the Latin puts it.
void PhraseUnits::attachCompoundParticiples() {
    for (int q = first_; q <= last_; ++q) {
        const WordAnalysis& participle = s_.reading(q);
        if (!isPerfectPassiveParticiple(participle) || caseOf(participle) != case_type::Nominative ||
            parent_[index(q)] >= 0) {
            continue;
        }
        for (int v : {q + 1, q - 1}) {
            const WordAnalysis& verb = s_.reading(v);
            if (inRange(v) && isCopulaBe(verb) && isFiniteVerb(verb) && tenseOf(verb) < tense_type::Perfect &&
                verbNumberOf(verb) == numberOf(participle) && attach(q, v, false)) {
                break;
            }
        }
    }
}

bool PhraseUnits::holdsParticiple(int root) const {
    if (!inRange(root) || !isCopulaBe(s_.reading(root))) return false;
    const std::vector<int>& after = after_[index(root)];
    return std::any_of(after.begin(), after.end(),
                       [&](int q) { return isPerfectPassiveParticiple(s_.reading(q)); });
}

bool PhraseUnits::isAgent(int root) const {
    const std::string_view form = formOf(s_.reading(root));
    return s_.reading(root).partOfSpeech == speech_type::Preposition &&
           (form == "a." || form == "ab." || form == "abs.") && s_.text(root) == "by";
}

std::vector<int> PhraseUnits::roots() const {
    std::vector<int> out;
    for (int p = first_; p <= last_; ++p) {
        if (parent_[index(p)] < 0) out.push_back(p);
    }
    return out;
}

UnitRole PhraseUnits::role(int root) const {
    const WordAnalysis& r = s_.reading(root);
    if (root == complement_) return UnitRole::Complement;
    if (isVerb(r)) {
        if (isFiniteVerb(r)) return UnitRole::Verb;
        return moodOf(r) == mood_type::Infinitive ? UnitRole::Complement : UnitRole::Other;
    }
    const bool declined = isNominal(r) || r.partOfSpeech == speech_type::Adjective ||
                          r.partOfSpeech == speech_type::Participle ||
                          r.partOfSpeech == speech_type::Numeral;
    if (!declined) return UnitRole::Other;
    switch (caseOf(r)) {
    case case_type::Nominative:
        return isNominal(r) || !copulaClause_ ? UnitRole::Subject : UnitRole::Complement;
    case case_type::Vocative: return UnitRole::Address;
    case case_type::Accusative: return UnitRole::Complement;
    default: return UnitRole::Other;
    }
}

std::vector<int> PhraseUnits::flatten(int head) const {
    std::vector<int> out;
    if (!inRange(head)) return out;
    for (int child : before_[index(head)]) {
        const std::vector<int> part = flatten(child);
        out.insert(out.end(), part.begin(), part.end());
    }
    out.push_back(head);
    for (int child : after_[index(head)]) {
        const std::vector<int> part = flatten(child);
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

std::vector<int> PhraseUnits::headsWithLeaders() const {
    std::vector<int> out;
    for (int p = first_; p <= last_; ++p) {
        if (!before_[index(p)].empty()) out.push_back(p);
    }
    return out;
}

}  // namespace kavro
