// Sentence polishing: the second English pass over the slots, step by step.
#include "english/polish_english.h"

#include <span>
#include <string>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/polish_records.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/special_senses.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

// Resolves the suffix markers ("+ed", "+s" ...) of every slot.
void resolveSlotMarkers(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        std::string text = s.text(p);
        const WordAnalysis* next = s.contains(p + 1) ? &s.reading(p + 1) : nullptr;
        resolveMarkers(text, s.reading(p), next);
        s.setText(p, text);
    }
}

bool isPersonNoun(const WordAnalysis& r) {
    return r.kind2 == noun_kind_type::Proper || r.kind2 == noun_kind_type::Person;
}

// The rules that depend on the word's part of speech. A slot that a user phrase filled is
// left as the user wrote it.
void applyWordClassRules(PolishSentence& s, const PolishState& state) {
    const WordAnalysis* lastPersonNoun = nullptr;
    for (int p = 0; p < s.size(); ++p) {
        if (s.isUserPhrase(p)) continue;
        const WordAnalysis& r = s.reading(p);
        switch (r.partOfSpeech) {
        case speech_type::Noun:
            if (isPersonNoun(r)) lastPersonNoun = &r;
            break;
        case speech_type::Pronoun:
            applyPronounForms(s, p, lastPersonNoun, state);
            readWhicheverAlone(s, p);
            break;
        case speech_type::Adjective: applyAdjectiveRules(s, p); break;
        case speech_type::Numeral: applyNumeralRules(s, p); break;
        case speech_type::SubstantiveAdjective: applySubstantiveRules(s, p); break;
        case speech_type::Participle:
            applyParticipleRules(s, p);
            buildCompoundTense(s, p, state);
            break;
        case speech_type::Adverb:
            applyParticleSenses(s, p);
            applyCumque(s, p);
            if (negateFollowingVerb(s, p)) ++p;
            break;
        case speech_type::Conjunction:
            applySentenceEt(s, p);
            applyParticleSenses(s, p);
            break;
        case speech_type::Preposition:
        case speech_type::Interjection: applyParticleSenses(s, p); break;
        default: break;
        }
    }
}

void applyWordTable(PolishSentence& s) {
    const auto table = s.engine().lexicon.polish.as<PolishRecord>();
    for (int p = 0; p < s.size(); ++p) {
        applyPolishTable(table, s.engine().sentence.englishSlots[p], kEnglishSlotSize);
    }
}

void applyPhraseTableEverywhere(PolishSentence& s) {
    const auto table = s.engine().lexicon.phrasePolish.as<PhraseRecord>();
    for (int p = 0; p < s.size(); ++p) {
        applyPhraseTable(table, s.engine().sentence.englishSlots[p], kEnglishSlotSize, s.reading(p));
    }
}

}  // namespace

void polishEnglish(Engine& engine) {
    if (engine.options.details) engine.log.write("Polishing...\n");
    if (engine.options.neuralNetwork && !engine.singleWordLookup) applySpecialSenses(engine);

    PolishSentence s(engine);
    retagWholeNouns(s);
    readIndeclinableGenitives(s);
    undoHyperbaton(s);
    PolishState state;
    state.copulas = findCopulas(s);
    placePredicateAdjectives(s, state);
    applyOpusEst(s, state);
    resolveSlotMarkers(s);
    applyWordClassRules(s, state);
    readConnectingRelatives(s);
    settleOpenPronouns(s);
    const bool ordered = engine.options.bestOrder != static_cast<std::int16_t>(BestOrder::None);
    state.reported = readReportedStatements(s, !ordered);
    dropImperativeMarks(s);
    applyWordTable(s);
    emptyDoubledSubjectPronouns(s);
    removeDoubledPrefixes(s);
    joinGerundiveMarkers(s);
    mergeTwoWordIdioms(s);
    if (!ordered) {
        applyPhraseTableEverywhere(s);
    } else {
        orderEnglishWords(s, engine.options.bestOrder, state.reported);
    }
    readMainSubjunctives(s);
    readSubordinateTenses(s);
    readPurposeInfinitives(s);
    shareCoordinatedModals(s);
    readTimeAblatives(s);
    shareJoinedPrepositions(s);
    dropQuestionMarksOutsideQuestions(s);
    joinCompoundNumbers(s);
    removeCaretsAndProperArticles(s);
    orderQuestions(s);
    dropAddressMarksInsideClauses(s);
    dropArticlesBesideDeterminers(s);
    if (engine.options.ablativeAbsolute) renderAblativeAbsolutes(s);
    raiseSentenceCapitals(s);
}

}  // namespace kavro
