// The special senses: which words have one, the rules of lustrum, pila and the vocative of
// liber, and the use of the sense networks for plaga, contentus and saltus.
#include "english/special_senses.h"

#include <array>
#include <optional>

#include "core/grammar_codes.h"
#include "english/chosen_reading.h"
#include "english/neural_classifier.h"
#include "english/sense_context.h"

namespace kavro {

namespace {

// The English that each rule finds in the slot: the first sense of the dictionary entry it
// rewrites. plaga "stroke/blow/stripe/cut/thrust; wound ..."; saltus "narrow passage
// (forest/mountain); defile, pass; woodland with glades"; lustrum "purifying/cleansing ceremony".
constexpr std::string_view kPlagaWord = "stroke";
constexpr std::string_view kSaltusWord = "narrow passage";
constexpr std::string_view kLustrumWord = "purifying";
constexpr std::string_view kContentWord = "content";

// The sense of each class of the plaga and saltus networks, and contentus's class 0.
constexpr std::array<std::string_view, 4> kPlagaSenses = {"curtain", "blow", "region", "snare"};
constexpr std::array<std::string_view, 4> kSaltusSenses = {"woodland", "defile", "leap",
                                                           "woodland"};
constexpr std::string_view kContentTense = "tense";
constexpr std::string_view kLustrumDen = "den";

// Area index of plaga readings that keep the dictionary sense.
constexpr int kPlagaKeptArea = 3;
// Area indices of the pila groups: everyday (1, 4, 6), war (10), building (9).
constexpr std::array<int, 3> kPilaEverydayAreas = {1, 4, 6};
constexpr int kPilaWarArea = 10;
constexpr int kPilaBuildingArea = 9;

// The label, number and sizes of a built-in network as its callers declare them.
struct NetworkUse {
    const char* label;
    int network, inputs, hidden, outputs;
};
constexpr NetworkUse kPlagaNetwork{"plaga2.wht", 0, 8, 6, 2};
constexpr NetworkUse kContentNetwork{"content.wht", 1, 4, 3, 1};
constexpr NetworkUse kSaltusNetwork{"saltus.wht", 2, 9, 6, 2};

enum class SenseRule { None, Plaga, Saltus, LiberVocative, Lustrum, Pila, Content };

// Which rule a reading calls for, by its part of speech and analysed form.
SenseRule ruleFor(const WordAnalysis& r) {
    if (r.partOfSpeech == speech_type::Adjective)
        return formBegins(r, "content.") ? SenseRule::Content : SenseRule::None;
    if (r.partOfSpeech != speech_type::Noun) return SenseRule::None;
    if (formBegins(r, "plag.") && r.subject != kPlagaKeptArea) return SenseRule::Plaga;
    if (formBegins(r, "salt.")) return SenseRule::Saltus;
    if (r.grammar1 == case_type::Vocative && formOf(r) == "liber.") return SenseRule::LiberVocative;
    if (formBegins(r, "lustr.")) return SenseRule::Lustrum;
    if (formBegins(r, "pil.a")) return SenseRule::Pila;
    return SenseRule::None;
}

// The networks, filled once; each call of applySpecialSenses works on its own copy.
const NeuralClassifier& classifierPrototype() {
    static const NeuralClassifier prototype = [] {
        NeuralClassifier c;
        c.initNetworks();
        return c;
    }();
    return prototype;
}

// The sense rules of one sentence, with the classifier made only when a network is asked.
class SenseRules {
public:
    explicit SenseRules(Engine& engine) : engine_(engine) {}

    void apply(int position) {
        switch (ruleFor(chosenReading(engine_, position))) {
        case SenseRule::Plaga: sensePlaga(position); break;
        case SenseRule::Saltus: senseSaltus(position); break;
        case SenseRule::LiberVocative: setSlot(position, "O child"); break;
        case SenseRule::Lustrum: senseLustrum(position); break;
        case SenseRule::Pila: sensePila(position); break;
        case SenseRule::Content: senseContent(position); break;
        case SenseRule::None: break;
        }
    }

private:
    // The class the network gives for the features; -1 when the classifier refuses them.
    int classify(const NetworkUse& use, const std::string& features) {
        if (!classifier_) classifier_.emplace(classifierPrototype());
        prepareClassifier(*classifier_, use.label, use.network, use.inputs, use.hidden,
                          use.outputs, features.c_str());
        return classifier_->classify() == ClassifyStatus::Success ? classifier_->classNumber : -1;
    }

    char (&slot(int position))[kEnglishSlotSize] { return engine_.sentence.englishSlots[position]; }
    void setSlot(int position, std::string_view text) { copyField(slot(position), text); }
    bool plural(int position) const {
        return chosenReading(engine_, position).grammar2 == number_type::Plural;
    }

    // Puts `sense` in place of the first `word` of the slot and cuts the slot behind it, with
    // "s" for a plural when asked; nothing when the slot has no `word`.
    void replaceWord(int position, std::string_view word, std::string_view sense, bool addPlural) {
        std::string text(fieldText(slot(position)));
        const std::size_t at = text.find(word);
        if (at == std::string::npos) return;
        text.replace(at, std::string::npos, sense);
        if (addPlural && plural(position)) text += 's';
        setSlot(position, text);
    }

    void sensePlaga(int position) {
        const int sense = classify(kPlagaNetwork, plagaFeatures(engine_, position));
        if (sense >= 0 && sense < static_cast<int>(kPlagaSenses.size()))
            replaceWord(position, kPlagaWord, kPlagaSenses[sense], true);
    }

    void senseContent(int position) {
        if (classify(kContentNetwork, contentFeatures(engine_, position)) == 0)
            replaceWord(position, kContentWord, kContentTense, false);
    }

    void senseSaltus(int position) {
        const int sense = classify(kSaltusNetwork, saltusFeatures(engine_, position));
        if (sense >= 0 && sense < static_cast<int>(kSaltusSenses.size()))
            replaceWord(position, kSaltusWord, kSaltusSenses[sense], true);
    }

    // lustrum is a den among wild beasts (fera), or in the plural after a preposition.
    void senseLustrum(int position) {
        bool beasts = false;
        for (int q = 0; q < sentenceLength(engine_); ++q) {
            const WordAnalysis& r = chosenReading(engine_, q);
            beasts |= q != position && r.partOfSpeech == speech_type::Noun && formBegins(r, "fer.");
        }
        if (beasts || (plural(position) && tiedToPreposition(engine_, position)))
            replaceWord(position, kLustrumWord, kLustrumDen, true);
    }

    void sensePila(int position);

    Engine& engine_;
    std::optional<NeuralClassifier> classifier_;
};

// pila: the pounding-vessel after "in", the ball near a game, else javelins or pillar by the
// areas of the other words (the everyday areas keep the dictionary sense).
void SenseRules::sensePila(int position) {
    bool game = false;
    std::array<int, 3> groups{};   // everyday, war, building
    for (int q = 0; q < sentenceLength(engine_); ++q) {
        if (!isOtherWord(engine_, q, position)) continue;
        const WordAnalysis& r = chosenReading(engine_, q);
        game |= formBegins(r, "lud.") || formBegins(r, "lus.");
        for (int area : kPilaEverydayAreas) groups[0] += r.subject == area;
        groups[1] += r.subject == kPilaWarArea;
        groups[2] += r.subject == kPilaBuildingArea;
    }
    const bool war = groups[1] > groups[0] && groups[1] >= groups[2];
    const bool building = groups[2] > groups[0] && groups[2] > groups[1];
    const char* plural = this->plural(position) ? "s" : "";
    if (tiedToPreposition(engine_, position, "in.")) setSlot(position, "the pounding-vessel");
    else if (game) setSlot(position, std::string("the ball") + plural);
    else if (war) setSlot(position, "the javelins");
    else if (building) setSlot(position, std::string("the pillar") + plural);
}

}  // namespace

void applySpecialSenses(Engine& engine) {
    SenseRules rules(engine);
    for (int position = 0; position < sentenceLength(engine); ++position) rules.apply(position);
}

}  // namespace kavro
