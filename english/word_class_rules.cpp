// Per-word English fixes of adjectives, numerals, participles, "nullus" and particles.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

struct WordSwap {
    std::string_view stem;
    std::string_view word;
    std::string_view replacement;
};

// Adjectives standing alone as nouns: "magni" -> "the-great", "mei" -> "my-own".
constexpr std::array<WordSwap, 7> kAdjectivesAlone = {{{"me", "my", "my-own"},
                                                       {"tu", "your", "your-own"},
                                                       {"magn", "great", "the-great"},
                                                       {"mal", "bad", "the-bad"},
                                                       {"paru", "small", "the-small"},
                                                       {"pler", "most", "the-most"},
                                                       {"plurim", "most", "the-most"}}};

// Particles whose first dictionary sense is not the English that narrative uses for them:
// enim "namely" is "for", uero "yes" is "truly", donec "while" is "until", coram "in the
// presence of" is "before", ecce "behold! see! look! ..." is "behold", quare "in what way? how?
// by what means?" is "why", rursum and rursus "turned back" are "again", simul "at same time"
// is "together".
constexpr std::array<WordSwap, 12> kParticleSenses = {{{"enim", "", "for"},
                                                      {"quare", "", "why"},
                                                      {"rursum", "", "again"},
                                                      {"rursus", "", "again"},
                                                      {"simul", "", "together"},
                                                      {"etenim", "", "for"},
                                                      {"namque", "", "for"},
                                                      {"uero", "", "truly"},
                                                      {"donec", "", "until"},
                                                      {"coram", "", "before"},
                                                      {"ecce", "", "behold"},
                                                      {"en", "", "behold"}}};

// Prepositions likewise: post "behind" is "after", de "down from" is "from", ex "out of" is
// "from", propter "near" is "because of", secundum "after" is "according to", pro "on behalf
// of" is "for".
constexpr std::array<WordSwap, 8> kPrepositionSenses = {{{"post", "", "after"},
                                                         {"pro", "", "for"},
                                                         {"ante", "", "before"},
                                                         {"de", "", "from"},
                                                         {"ex", "", "from"},
                                                         {"e", "", "from"},
                                                         {"propter", "", "because of"},
                                                         {"secundum", "", "according to"}}};

// a, ab, abs: "by" for the doer of a passive ("uocatur a Deo"), "from" otherwise.
constexpr std::array<std::string_view, 3> kAgentPrepositions = {"a", "ab", "abs"};

bool isPlural(const WordAnalysis& r) { return numberOf(r) == number_type::Plural; }

// The possessive adjectives and their English: standing for persons in the plural ("a nostris":
// by our men, "ad suos": to his men).
constexpr std::array<WordSwap, 5> kPossessivesAsPeople = {{{"me", "my", "my men"},
                                                           {"tu", "your", "your men"},
                                                           {"su", "his", "his/her/their men"},
                                                           {"nostr", "our", "our men"},
                                                           {"uestr", "your", "your men"}}};

// A masculine or unmarked plural possessive that no noun takes reads as its people.
bool readsAsPeople(const WordAnalysis& r, const WordAnalysis* partner) {
    const bool withNoun = partner && (isNominal(*partner) || partner->partOfSpeech == speech_type::Adjective);
    return isPlural(r) && genderOf(r) != gender_type::Neuter && genderOf(r) != gender_type::Feminine &&
           !withNoun;
}

bool readPossessiveAsPeople(const WordAnalysis& r, const WordAnalysis* partner, std::string& text) {
    if (!readsAsPeople(r, partner)) return false;
    for (const WordSwap& w : kPossessivesAsPeople) {
        if (stemOf(r) == w.stem) return replaceWholeWord(text, w.word, w.replacement);
    }
    return false;
}


// A passive verb or perfect passive participle in the part around p.
bool passiveNear(const PolishSentence& s, int p) {
    for (int q = partStart(s, p); q <= partEnd(s, p); ++q) {
        const WordAnalysis& r = s.reading(q);
        const bool passiveVerb = isVerb(r) && voiceOf(r) == voice_type::Passive &&
                                 r.kind2 != verb_kind_type::Deponent;
        if (passiveVerb || isPerfectPassiveParticiple(r)) return true;
    }
    return false;
}

// Replaces `word`, and an article directly before it, by `replacement`.
void replaceWithArticle(std::string& text, std::string_view word, std::string_view replacement) {
    const std::size_t at = findWholeWord(text, word);
    if (at == std::string::npos) return;
    const bool article = at >= 4 && text.compare(at - 4, 4, "the ") == 0;
    const std::size_t from = article ? at - 4 : at;
    text.replace(from, at + word.size() - from, replacement);
}

// omnis, cunctus and universus: the words of a whole ("each", "altogether", "whole" in their
// first senses).
constexpr std::array<std::string_view, 3> kWholeStems = {"omn", "cunct", "uniuers"};
constexpr std::array<std::string_view, 5> kWholeMeanings = {"each", "altogether", "whole", "all men", "all"};

bool isWholeStem(std::string_view stem) {
    return std::find(kWholeStems.begin(), kWholeStems.end(), stem) != kWholeStems.end();
}

// "all the" with a plural noun ("omnia animalia": all the animals), "all" standing alone ("all
// things" for a neuter); with a singular noun omnis is "every" ("omnem herbam": every plant),
// cunctus "all the"; universus in the singular stays "the whole" (the caller leaves it).
void readWholeness(const WordAnalysis& r, std::string_view stem, const WordAnalysis* partner,
                   std::string& text) {
    const bool withNoun = partner && partner->partOfSpeech == speech_type::Noun;
    std::string_view english = "all the";
    if (!withNoun) {
        english = isPlural(r) && genderOf(r) == gender_type::Neuter ? "all things" : "all";
    } else if (!isPlural(r) && stem == "omn") {
        english = "every";
    }
    for (std::string_view meaning : kWholeMeanings) {
        if (replaceWordOrPlural(text, meaning, english)) return;
    }
}

void removeArticle(std::string& text) {
    if (removeLeading(text, "the ")) return;
    const std::size_t inner = text.find(" the ");
    if (inner != std::string::npos) text.erase(inner + 1, 4);
}

}  // namespace

void applyAdjectiveRules(PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    const std::string_view stem = stemOf(r);
    const WordAnalysis* partner = s.firstPartner(p);
    std::string text = s.text(p);
    if (stem == "ceter" && isPlural(r) && (!partner || partner->partOfSpeech == speech_type::Preposition)) {
        if (!text.ends_with('s')) text += 's';
    } else if (stem == "bon" && isPlural(r)) {
        replaceWholeWord(text, "goods", "good");
    } else if (isWholeStem(stem) && !(stem == "uniuers" && !isPlural(r))) {
        removeArticle(text);
        readWholeness(r, stem, partner, text);
    } else if (readPossessiveAsPeople(r, partner, text)) {
    } else if (stem == "mult" && isPlural(r)) {
        replaceWholeWord(text, "much", partner ? "many" : "the many-people");
    } else if (stem == "su") {
        replaceWholeWord(text, "his", partner ? "his/her/their" : "his/her/their-own");
    } else if (!partner) {
        for (const WordSwap& w : kAdjectivesAlone) {
            if (stem == w.stem) replaceWithArticle(text, w.word, w.replacement);
        }
    }
    s.setText(p, text);
}

void applyParticleSenses(PolishSentence& s, int p) {
    const std::string_view form = formOf(s.reading(p));
    if (form.empty() || form.back() != '.') return;
    const std::string_view word = form.substr(0, form.size() - 1);
    for (const WordSwap& w : kParticleSenses) {
        if (word == w.stem) s.setText(p, w.replacement);
    }
    if (s.reading(p).partOfSpeech != speech_type::Preposition) return;
    for (const WordSwap& w : kPrepositionSenses) {
        if (word == w.stem) s.setText(p, w.replacement);
    }
    for (std::string_view agent : kAgentPrepositions) {
        if (word == agent) s.setText(p, passiveNear(s, p) ? "by" : "from");
    }
}

// The interrogative English of a pronoun or particle ("that?", "of whom?") in a part of the
// sentence that asks nothing (its closing mark is no "?") loses its question mark: "vidit lucem
// quod esset bona" -> "saw the light that was good", not "that? was good".
void dropQuestionMarksOutsideQuestions(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        const WordAnalysis& r = s.reading(p);
        std::string text = s.text(p);
        if (isPunctuation(r) || text.find('?') == std::string::npos) continue;
        int close = p + 1;
        while (close < s.size() && !(isPunctuation(s.reading(close)) && formOf(s.reading(close)) != ",")) ++close;
        if (close < s.size() && formOf(s.reading(close)) == "?") continue;
        std::erase(text, '?');
        s.setText(p, text);
    }
}

// An "et" that opens a sentence (or a part after a colon or semicolon) links it to what went
// before: "and", even where a second "et" follows in it ("Et factum est vespere et mane": "And
// it happened in the evening and in the morning", not "Both ...").
void applySentenceEt(PolishSentence& s, int p) {
    if (formOf(s.reading(p)) != "et." || s.text(p) != "both") return;
    const bool opens = p == 0 || (isPunctuation(s.reading(p - 1)) && formOf(s.reading(p - 1)) != ",");
    // "et nos et terra nostra": a pair of nouns keeps "both ... and".
    const int next = s.reading(p + 1).partOfSpeech;
    if (opens && next != speech_type::Noun && next != speech_type::Pronoun) s.setText(p, "and");
}

void applyNumeralRules(PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    std::string text = s.text(p);
    const auto fix = [&](std::string_view from, std::string_view to) {
        const std::size_t at = text.find(from);
        if (at != std::string::npos) text.replace(at, from.size(), to);
    };
    if (r.grammar4 == numeral_kind_type::Ordinal) fix("tyth", "tieth");       // "twentieth"
    if (r.grammar4 == numeral_kind_type::Adverb) fix("times-times", "times");
    s.setText(p, text);
}

// "sublatus" of a person: "died".
void applyParticipleRules(PolishSentence& s, int p) {
    const WordAnalysis* partner = s.firstPartner(p);
    if (stemOf(s.reading(p)) != "sublat" || !partner || partner->partOfSpeech != speech_type::Noun) {
        return;
    }
    constexpr int kHumanKind = 13;
    const int kind = partner->kind2;
    if (kind == noun_kind_type::Proper || kind == noun_kind_type::Group || kind == kHumanKind) {
        s.setText(p, "died");
    }
}

// "omni ligno", "omni animae": the noun reading of omnis or cunctus ("all men") beside a noun of
// its case and number is the adjective of that noun ("every tree", not "the all men the tree");
// it becomes an adjective tied to the noun, which the adjective rules and the word order then
// read as such.
void retagWholeNouns(PolishSentence& s) {
    for (int p = 0; p + 1 < s.size(); ++p) {
        WordAnalysis* r = s.editableReading(p);
        const WordAnalysis& next = s.reading(p + 1);
        const int noun = s.chosenIndex(p + 1);
        if (!r || r->partOfSpeech != speech_type::Noun || !isWholeStem(stemOf(*r)) || noun < 0 ||
            next.partOfSpeech != speech_type::Noun || isProperNoun(next) || caseOf(next) != caseOf(*r) ||
            numberOf(next) != numberOf(*r)) {
            continue;
        }
        r->partOfSpeech = speech_type::Adjective;
        r->link1 = static_cast<std::int16_t>(noun);
        // "ex omni ligno": the preposition that took omni for its object governs the noun.
        WordAnalysis* preposition = s.editableReading(p - 1);
        if (preposition && preposition->partOfSpeech == speech_type::Preposition &&
            preposition->link1 == s.chosenIndex(p)) {
            preposition->link1 = static_cast<std::int16_t>(noun);
        }
    }
}

// An indeclinable name (its analysed form has no ending: "Canaan.", "Israel.") right after a
// common noun is that noun's genitive: "terra Canaan" -> "the land of Canaan", "filii Israel"
// -> "the sons of Israel", "Deus Abraham" -> "the God of Abraham". Unless the choice made it a
// verb's subject or object, it becomes a genitive tied to the noun, which the word order keeps
// after it.
void readIndeclinableGenitives(PolishSentence& s) {
    for (int q = 1; q < s.size(); ++q) {
        WordAnalysis* name = s.editableReading(q);
        const WordAnalysis& head = s.reading(q - 1);
        const int noun = s.chosenIndex(q - 1);
        if (!name || name->partOfSpeech != speech_type::Noun || !isProperNoun(*name) ||
            !formOf(*name).ends_with('.') || head.partOfSpeech != speech_type::Noun || isProperNoun(head) ||
            noun < 0 || caseOf(*name) == case_type::Genitive || s.isUserPhrase(q)) {
            continue;
        }
        bool taken = false;
        for (int v = 0; v < s.size() && !taken; ++v) taken = isVerb(s.reading(v)) && s.tied(q, v);
        // Assembly gave the name the article or the "O" of its case; the genitive has neither.
        std::string text = s.text(q);
        if (!removeLeading(text, "the ")) removeLeading(text, "O ");
        if (taken || text.empty() || prefixLength(text) != 0) continue;
        name->grammar1 = case_type::Genitive;
        name->link1 = static_cast<std::int16_t>(noun);
        s.setText(q, "of " + text);
    }
}

// A substantive adjective: omnis and its kin as in applyAdjectiveRules ("omnem animam" ->
// "every soul", "omnes" -> "all"); quicumque alone "whoever", quodcumque "whatever".
void applySubstantiveRules(PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    const std::string_view stem = stemOf(r);
    const WordAnalysis* partner = s.firstPartner(p);
    std::string text = s.text(p);
    if (isWholeStem(stem) && !(stem == "uniuers" && !isPlural(r))) {
        removeArticle(text);
        readWholeness(r, stem, partner, text);
    }
    s.setText(p, text);
    readWhicheverAlone(s, p);
    applyNoOneRule(s, p);
}

// quicumque (as an adjective or as a pronoun) without a noun of its own: "whoever", the neuter
// "whatever".
void readWhicheverAlone(PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    const WordAnalysis* partner = s.firstPartner(p);
    std::string text = s.text(p);
    if (!holdsWord(text, "whichever") || (partner && partner->partOfSpeech == speech_type::Noun)) return;
    removeArticle(text);
    replaceWholeWord(text, "whichever", genderOf(r) == gender_type::Neuter ? "whatever" : "whoever");
    s.setText(p, text);
}

// cumque is cum with -que before the verb of its clause: "Cumque venisset" -> "And when he had
// come" (the adverb "at any time" hardly occurs in narrative).
void applyCumque(PolishSentence& s, int p) {
    if (formOf(s.reading(p)) != "cumque.") return;
    for (int q = p + 1; q <= partEnd(s, p); ++q) {
        const WordAnalysis& v = s.reading(q);
        if (isFiniteVerb(v)) {
            const int mood = moodOf(v);
            if (mood == mood_type::Subjunctive || mood == mood_type::Indicative) s.setText(p, "and when");
            return;
        }
    }
}

// "nullus" with a noun: "nothing" for a neuter, otherwise "no-one" without a plural ending.
void applyNoOneRule(PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    const WordAnalysis* partner = s.firstPartner(p);
    if (stemOf(r) != "null" || !partner || partner->stemClass2 == 1) return;
    std::string text = s.text(p);
    const std::size_t at = text.find("the no-one");
    if (at == std::string::npos) return;
    if (genderOf(r) == gender_type::Neuter) {
        text.replace(at, 10, "nothing");
    } else if (text.compare(at + 10, 1, "s") == 0) {
        text.erase(at + 10, 1);
    }
    s.setText(p, text);
}

}  // namespace kavro
