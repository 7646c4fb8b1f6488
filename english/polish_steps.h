// The steps of sentence polishing, in the order polishEnglish runs them, and the little state
// that one step hands to a later one.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "english/polish_sentence.h"
#include "english/reported_speech.h"

namespace kavro {

struct PolishState {
    // Positions of the copulas ("be", "become", passive "is seen", "is called" ...), at most 9.
    std::vector<int> copulas;
    // Analysis indices of the nominative adjectives and participles that were put after their
    // copula, so that a compound tense can be built with the copula before them.
    std::vector<int> besideCopula;
    // Analysis indices of datives that read as the subject ("I need" for "mihi opus est").
    std::vector<int> subjectForm;
    // The reported statements ("dixit hostes venire"), which the word order keeps together.
    std::vector<ReportedStatement> reported;

    static bool holds(const std::vector<int>& list, int value) {
        return std::find(list.begin(), list.end(), value) != list.end();
    }
};

// "magno in periculo" -> "in magno periculo": an adjective before the preposition of its noun
// moves after the preposition.
void undoHyperbaton(PolishSentence& s);

// Copulas, predicate adjectives and "opus est".
bool isCopulaReading(const WordAnalysis& r);
std::vector<int> findCopulas(const PolishSentence& s);
void placePredicateAdjectives(PolishSentence& s, PolishState& state);
void applyOpusEst(PolishSentence& s, PolishState& state);
// A complement after its copula: no article, and "mine", "yours", "ours" for a lone possessive.
std::string complementText(std::string text);

// The noun reading of omnis beside a noun of its case and number becomes its adjective.
void retagWholeNouns(PolishSentence& s);
// An indeclinable name after a common noun is its genitive ("terra Canaan": the land of Canaan).
void readIndeclinableGenitives(PolishSentence& s);

// Per-word rules by part of speech.
void applyPronounForms(PolishSentence& s, int p, const WordAnalysis* lastPersonNoun,
                       const PolishState& state);
void applyAdjectiveRules(PolishSentence& s, int p);
void applyNumeralRules(PolishSentence& s, int p);
void applyParticipleRules(PolishSentence& s, int p);
void applyNoOneRule(PolishSentence& s, int p);
// Substantive adjectives: omnis ("all"), quicumque ("whoever"), nullus.
void applySubstantiveRules(PolishSentence& s, int p);
// quicumque without a noun of its own: "whoever", "whatever".
void readWhicheverAlone(PolishSentence& s, int p);
// "cumque" is "and when".
void applyCumque(PolishSentence& s, int p);
// "et" opening a sentence is "and", not the "both" of a pair.
void applySentenceEt(PolishSentence& s, int p);
// The usual English of particles whose first dictionary sense is rarer ("enim" -> "for").
void applyParticleSenses(PolishSentence& s, int p);
// "that?" in a part of the sentence that asks nothing is "that".
void dropQuestionMarksOutsideQuestions(PolishSentence& s);
// "non" before a finite verb goes into its phrase ("will not come", "does not come"); true
// when it did.
bool negateFollowingVerb(PolishSentence& s, int p);
// Imperatives without "!".
void dropImperativeMarks(PolishSentence& s);
// The "be" of a nominative perfect passive participle rebuilt as a compound tense.
void buildCompoundTense(PolishSentence& s, int p, const PolishState& state);

// A qui/quae/quod that opens a sentence reads as a personal or demonstrative pronoun.
void readConnectingRelatives(PolishSentence& s);

// "s/he/it" of a verb without a subject, and "his/her/their" of suus, settled by the sentence.
void settleOpenPronouns(PolishSentence& s);

// Doubled subject pronouns, doubled prefixes and the gerundive marker.
void emptyDoubledSubjectPronouns(PolishSentence& s);
void removeDoubledPrefixes(PolishSentence& s);
void joinGerundiveMarkers(PolishSentence& s);

// The second of two joined nouns shares the first one's preposition ("with the harp and the
// organ").
void shareJoinedPrepositions(PolishSentence& s);

// Two-word idioms ("res publica", "patres conscripti", ...).
void mergeTwoWordIdioms(PolishSentence& s);

// English word order over the stretches of the sentence; applies the phrase table once to
// every position. `bestOrder` is 1 (verb after nominatives), 2 (automatic) or 3 (subject, verb,
// object, the rest). A reported statement is one phrase, opened by "that".
void orderEnglishWords(PolishSentence& s, int bestOrder, const std::vector<ReportedStatement>& reported = {});

// Numbers of several words: "one hundred and twenty-seven".
void joinCompoundNumbers(PolishSentence& s);

// Subjunctives of dependent clauses: the simple past of a fact ("when he was"), "will" in a
// condition about the future ("if he will make").
void readSubordinateTenses(PolishSentence& s);

// A purpose clause without a subject of its own reads as the infinitive of purpose ("ut
// videret" -> "to see").
void readPurposeInfinitives(PolishSentence& s);

// A second subjunctive joined by "and" leaves its subject pronoun and modal to the first ("they
// may shine and illuminate").
void shareCoordinatedModals(PolishSentence& s);

// An ablative of time reads "in the night", "for seven days", not "with the night".
void readTimeAblatives(PolishSentence& s);

// The present subjunctive of a main clause: "let" ("Fiat lux" -> "Let there be light"), or the
// future for a first person in -am ("Ponam" -> "I will put").
void readMainSubjunctives(PolishSentence& s);

// The "O" of a vocative that does not stand as an address goes.
void dropAddressMarksInsideClauses(PolishSentence& s);

// No "the" after a determiner or before a possessive ("two the lights", "the his kind").
void dropArticlesBesideDeterminers(PolishSentence& s);

// "why you did not" -> "why did you not", "what you seek" -> "what do you seek" in a question.
void orderQuestions(PolishSentence& s);

// Caret removal and articles of proper nouns; ablative absolutes; sentence capitals.
void removeCaretsAndProperArticles(PolishSentence& s);
void renderAblativeAbsolutes(PolishSentence& s);
void raiseSentenceCapitals(PolishSentence& s);

// The clause part around a position: from after the last punctuation mark or conjunction
// before p to the next one after it.
int partStart(const PolishSentence& s, int p);
int partEnd(const PolishSentence& s, int p);

}  // namespace kavro
