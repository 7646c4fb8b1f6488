// One word through the driver: hash, word-status cache, the main attempt and its retries, the
// repairs in their order, acceptance, the case and spelling repairs, and NOT FOUND.
#include <charconv>
#include <cstring>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/joined_ordinals.h"
#include "morph/word_analysis.h"
#include "morph/word_outcomes.h"
#include "morph/word_repairs.h"
#include "morph/word_status_cache.h"

namespace kavro {
namespace {

// The trace's "(Hash #n)  " before a word whose status is cached.
void writeHashNumber(OutputLog& log, int hash) {
    char text[32] = "(Hash #";
    char* end = std::to_chars(text + 7, text + sizeof text - 3, hash).ptr;
    std::memcpy(end, ")  ", 3);
    log.write(std::string_view(text, static_cast<std::size_t>(end + 3 - text)));
}

constexpr std::int16_t kFirstDeclensionClass = 1 * 16 + 1;   // which 1, variant 1
constexpr std::uint8_t kCommonRarityLimit = 5;  // one reading rarer than this is not enough
constexpr int kPassLimit = 16;                 // every retry is one-shot; this only bounds a fault
constexpr std::size_t kQuidamMinLength = 6;
constexpr std::size_t kPlerMinLength = 5;
constexpr std::size_t kPrefixMinTokenLength = 5;

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
char toLower(char c) { return isUpper(c) ? static_cast<char>(c + 32) : c; }
char toUpper(char c) { return isLower(c) ? static_cast<char>(c - 32) : c; }
char toggled(char c) { return isUpper(c) ? toLower(c) : toUpper(c); }

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (toLower(text[i]) != prefix[i]) return false;
    return true;
}

// "quisquis", "quidquid": one part beginning with "qu" written twice.
bool isDoubledQuWord(std::string_view w) {
    if (w.size() < 4 || w.size() % 2 != 0 || !startsWithIgnoringCase(w, "qu")) return false;
    const std::size_t half = w.size() / 2;
    return w.substr(0, half) == w.substr(half);
}

bool needsCompoundPreparation(std::string_view w) {
    if (isDoubledQuWord(w)) return true;
    if (w.find("decim") != std::string_view::npos || w.find("uicesim") != std::string_view::npos)
        return true;
    if (w.size() > 3 && w.find("fruct", 3) != std::string_view::npos) return true;
    return startsWithIgnoringCase(w, "uer") && w.find("dict") != std::string_view::npos;
}

bool isQuidamCandidate(std::string_view w) {
    const bool family = startsWithIgnoringCase(w, "qu") || startsWithIgnoringCase(w, "cu") ||
                        startsWithIgnoringCase(w, "utr") || startsWithIgnoringCase(w, "ute");
    return (family && w.size() >= kQuidamMinLength) ||
           (startsWithIgnoringCase(w, "pler") && w.size() >= kPlerMinLength);
}

// A word of two or more letters all of them capital Roman digits ("XIV", "XIU" with the v
// folded): a numeral wherever it stands. A single capital is left to the names ("C." Gaius).
bool isWrittenInRomanCapitals(std::string_view w) {
    constexpr std::string_view kRomanCapitals = "IVUXLCDM";
    return w.size() >= 2 && w.find_first_not_of(kRomanCapitals) == std::string_view::npos;
}

// Where the driver goes next with the current word.
enum class Step { Attempt, Repairs, Acceptance, CaseRepairs, NotFound, Done };

class WordRun {
public:
    explicit WordRun(Engine& engine) : e_(engine) {
        copyField(word_, fieldText(engine.sentenceTokens[engine.tokenIndex]));
        tokenLength_ = std::strlen(word_);
    }

    int run();

private:
    std::string_view word() const { return word_; }
    char initial() const { return word_[0]; }
    // Back to the word the repairs start from: the token, or the token with its initial lowered
    // once the case repairs (or the hash) have lowered it.
    void restore() { std::memcpy(word_, restorePoint_, sizeof word_); }
    // Back to the token as written, capital and all.
    void restoreToken() { std::memcpy(word_, token_, sizeof word_); }
    void lowerInitial();
    void append(std::string_view tail) {
        const std::size_t len = std::strlen(word_);
        copyBounded(word_ + len, sizeof word_ - len, tail);
    }
    const WordAnalysis* lastAnalysis() const {
        return e_.analysisCount > 0 ? &e_.wordAnalyses[e_.analysisCount - 1] : nullptr;
    }

    void prepare();
    bool tryHash();
    Step tryStatusCache();
    Step attempt();
    Step inspectSingleReading();
    Step repairs();
    Step acceptance();
    Step caseRepairs();
    bool romanOrSpecialForm();
    bool alsoInLowerCase();
    void lastResort();

    Engine& e_;
    WordBuffer word_{};
    WordBuffer token_{};          // the token as steps 2 and 3 left it
    WordBuffer restorePoint_{};   // what a repair restores: the token, or it with a lowered initial
    std::size_t tokenLength_ = 0;
    int result_ = 0;
    int splitCount_ = 0;
    bool medievalRetry_ = false;   // shared by the "ae", elision and "isti" retries
    bool variantsTried_ = false;
    bool syncopeApplied_ = false;
    bool inscriptionTried_ = false;
    bool finalCaseRetry_ = false;
};

// Steps 2 and 3: the word count, a lower initial after a leading numeral, compound joints.
void WordRun::prepare() {
    if (!e_.repeatedPass) ++e_.wordsTranslated;
    const WordAnalysis* last = lastAnalysis();
    if (e_.wordsInSentence == 1 && last && last->partOfSpeech == speech_type::Numeral &&
        last->grammar4 == numeral_kind_type::Cardinal && last->english[0] >= '0' &&
        last->english[0] <= '9')
        word_[0] = toLower(word_[0]);
    if (needsCompoundPreparation(word())) prepareCompound(e_, word_);
    std::memcpy(token_, word_, sizeof word_);
    std::memcpy(restorePoint_, word_, sizeof word_);
}

// Lowers the initial of the word for good: the repairs after this start from the lowered word.
void WordRun::lowerInitial() {
    word_[0] = toLower(word_[0]);
    std::memcpy(restorePoint_, word_, sizeof word_);
}

// Step 4: the high-speed hash; true when the word is done. A word done here counts as a word
// since the last punctuation, as one that ends the full analysis does: otherwise the word after
// it would be taken for the first of a clause, and a name there would lose its capital.
bool WordRun::tryHash() {
    if (!e_.options.hashActive || (e_.wordsInSentence == 0 && isUpper(initial()))) return false;
    int before = e_.analysisCount;
    if (!lookUpHash(e_, word())) return false;
    if (!e_.repeatedPass) ++e_.hashHits;
    ++e_.groupNumber;
    result_ += e_.analysisCount > before ? e_.analysisCount - before : 1;
    ++e_.wordsInSentence;
    if (e_.wordsSincePunct != 0 || !isUpper(initial())) {
        ++e_.wordsSincePunct;
        return true;
    }
    lowerInitial();
    e_.wordsSincePunct = 1;
    before = e_.analysisCount;
    if (!lookUpHash(e_, word())) return false;
    result_ += e_.analysisCount > before ? e_.analysisCount - before : 1;
    ++e_.wordsSincePunct;
    return true;
}

// Step 5: a word already known to be a special form, or not found at all.
Step WordRun::tryStatusCache() {
    if (e_.wordsInSentence == 0) return Step::Attempt;
    const std::int16_t status = cachedWordStatus(e_, word());
    if (status == kWordStatusEmpty) return Step::Attempt;
    if (!e_.options.sentenceMode) writeHashNumber(e_.log, wordHash(word()));
    if (status == kWordStatusSpecialForm) {
        const int r = matchSpecialForms(e_, word_);
        if (r > 0) {
            result_ += r;
            if (alsoInLowerCase()) return Step::Attempt;
            ++e_.wordsInSentence;
            ++e_.wordsSincePunct;
            return Step::Done;
        }
    }
    return result_ == 0 ? Step::NotFound : Step::Attempt;
}

// Step 6: plain matching, pronoun compounds and uniques.
Step WordRun::attempt() {
    splitCount_ = splitWord(e_, word_);
    int r = matchSplits(e_, splitCount_, source_kind::Dictionary);
    if (isQuidamCandidate(word())) {
        const char initialWas = word_[0];
        word_[0] = toLower(word_[0]);
        r += matchQuidam(e_, word_, static_cast<int>(std::strlen(word_)));
        word_[0] = initialWas;
    }
    result_ += r;
    const int uniques = findUniques(e_, word());
    if (uniques > 0) {
        result_ += uniques;
        for (int k = 0; k < uniques; ++k) {
            emitAnalysis(e_, k, k, 0, source_kind::Unique);
            ++e_.groupNumber;
        }
    }
    if (result_ == 1 && !medievalRetry_) {
        const Step next = inspectSingleReading();
        if (next != Step::Acceptance) return next;
    }
    return result_ == 0 ? Step::Repairs : Step::Acceptance;
}

// Step 6d: a lone first-declension vocative is a word plus "que", a medieval "-ae", or an
// adjective that also lends an adverb.
Step WordRun::inspectSingleReading() {
    const WordAnalysis* a = lastAnalysis();
    if (!a || a->grammar1 != case_type::Vocative || a->stemClass != kFirstDeclensionClass)
        return Step::Acceptance;
    const bool adjective = a->partOfSpeech == speech_type::Adjective;
    const bool masculine = a->grammar3 == gender_type::Masculine;
    if (adjective && masculine && word().ends_with("que")) {
        --e_.analysisCount;
        result_ = 0;
        return Step::Repairs;
    }
    if (e_.options.medievalTricks && e_.options.age == kAgeMedieval) {
        const bool firstDeclensionNoun = a->partOfSpeech == speech_type::Noun && (a->stemClass >> 4) == 1;
        if (firstDeclensionNoun || (adjective && masculine)) {
            const std::size_t len = std::strlen(word_);
            if (len > 0) word_[len - 1] = '\0';
            append("ae");
            medievalRetry_ = true;
            return Step::Attempt;
        }
        return Step::Acceptance;
    }
    const bool adjectiveLike = a->partOfSpeech == speech_type::Participle &&
                               a->grammar6 == mood_type::AdjectiveLike;
    if ((masculine && adjective) || adjectiveLike) appendSyntheticAdverb(e_, *a, word());
    return Step::Acceptance;
}

// Step 7: tackons, the Plautine elision, the "ss" syncope.
Step WordRun::repairs() {
    restore();
    if (e_.wordsInSentence != 0 || isLower(initial())) {
        const int r = matchTackons(e_, splitCount_);
        if (r > 0) {
            result_ = r;
            return Step::Acceptance;
        }
    }
    if (e_.options.plautusElisions) {
        if (!medievalRetry_ && word().ends_with('n')) {
            append("e");
            medievalRetry_ = true;
            return Step::Attempt;
        }
        restore();
    }
    if (!syncopeApplied_ && trySyncopatedPerfect(e_, word_, SyncopeForm::DoubleS)) {
        syncopeApplied_ = true;
        return Step::Attempt;
    }
    return Step::Acceptance;
}

// Step 8: a word without enough readings (none, one rare one, or an "-isse" form) is tried once
// as an "isti" syncope. Found or not, the case and spelling repairs follow: they add the
// lower-case readings of a capitalised first word, and leave a found word alone otherwise.
Step WordRun::acceptance() {
    if (syncopeApplied_) restore();
    const WordAnalysis* last = lastAnalysis();
    const bool found =
        (result_ > 1 || (result_ == 1 && last && last->rarity <= kCommonRarityLimit)) &&
        !word().ends_with("isse");
    if (found) return Step::CaseRepairs;
    if (!medievalRetry_ && trySyncopatedPerfect(e_, word_, SyncopeForm::Isti)) {
        medievalRetry_ = true;
        return Step::Attempt;
    }
    return Step::CaseRepairs;
}

// Step 9: letter case, spelling variants, prefixes and suffixes, numerals and special forms.
Step WordRun::caseRepairs() {
    restore();
    if (finalCaseRetry_) return Step::Done;
    if (e_.wordsSincePunct == 0 && isUpper(initial())) {
        // The capitalised word has had its repairs; the lowered word gets them afresh, so the
        // one-shot rewrites spent on the capital ("Amasse", "Dixti") are made again.
        lowerInitial();
        syncopeApplied_ = false;
        medievalRetry_ = false;
        e_.wordsSincePunct = 1;
        return Step::Attempt;
    }
    if (e_.options.inscriptions && e_.wordsSincePunct == 0 && !inscriptionTried_) {
        word_[0] = toggled(word_[0]);
        inscriptionTried_ = true;
        return Step::Attempt;
    }
    const bool firstOrLower = e_.wordsInSentence == 0 || isLower(initial());
    if (result_ == 0) {
        if (!variantsTried_) {
            variantsTried_ = true;
            if (firstOrLower && trySpellingVariants(e_, word_)) return Step::Attempt;
        }
        if (e_.options.medievalTricks &&
            (e_.wordsInSentence == 0 || (isLower(initial()) && std::strlen(word_) >= 2)))
            result_ = matchMedievalVariants(e_, word_);
    }
    if (tokenLength_ >= kPrefixMinTokenLength) {
        bool prefixesFailed = false;
        if (result_ == 0 && !(e_.wordsInSentence != 0 && isUpper(initial()))) {
            result_ = matchPrefixes(e_, word_);
            prefixesFailed = result_ == 0;
        }
        const WordAnalysis* last = lastAnalysis();
        const bool lonelyIssime = result_ == 1 && word().ends_with("issime") && last &&
                                  (last->partOfSpeech & 0x0F) == speech_type::Adjective;
        if ((lonelyIssime || prefixesFailed) && isLower(initial()))
            result_ += matchModifiedStems(e_, word_);
    }
    if (result_ != 0) return Step::Done;
    if (romanOrSpecialForm()) return alsoInLowerCase() ? Step::Attempt : Step::Done;
    if (e_.wordsSincePunct == 0 || isLower(initial()) || std::strlen(word_) == 1) return Step::Done;
    lowerInitial();
    finalCaseRetry_ = true;
    return Step::Attempt;
}

// Step 9f, first half: a lower-case Roman numeral, or a capitalised special form.
bool WordRun::romanOrSpecialForm() {
    if (isWrittenInRomanCapitals(word()) && emitRomanNumeral(e_, word())) {
        result_ = 1;
        return true;
    }
    if (isLower(initial())) {
        WordBuffer capitals{};
        for (std::size_t i = 0; word_[i] != '\0'; ++i) capitals[i] = toUpper(word_[i]);
        if (emitRomanNumeral(e_, capitals)) {
            result_ = 1;
            return true;
        }
    }
    restoreToken();
    // A capitalised word is guessed to be a new name only in mid-sentence: the first word of a
    // sentence is capitalised whatever it is (a name met before is still known there).
    if (!isUpper(initial())) return false;
    const int r = matchSpecialForms(e_, word_,
                                    e_.wordsInSentence == 0 ? NameGuess::Refused : NameGuess::Allowed);
    if (r <= 0) return false;
    result_ = r;
    rememberWordStatus(e_, word(), kWordStatusSpecialForm);
    return true;
}

// A capitalised word in mid-sentence taken as a name (a special form) is also looked up once in
// lower case, and its dictionary readings join the name: texts capitalise common words at the
// start of a verse and in reverence ("Dominus", "Silvas petivit"), and the choice of readings
// then weighs the guessed name against them. A word with no lower-case reading keeps its name.
bool WordRun::alsoInLowerCase() {
    if (finalCaseRetry_ || e_.wordsInSentence == 0 || !isUpper(initial()) || std::strlen(word_) < 2) return false;
    lowerInitial();
    finalCaseRetry_ = true;
    return true;
}

// Step 10: a word written in lower case that nothing explained, once more with a capital.
void WordRun::lastResort() {
    restoreToken();
    if (result_ != 0 || !isLower(initial())) return;
    word_[0] = toUpper(word_[0]);
    const int n = splitWord(e_, word_);
    result_ += matchSplits(e_, n, source_kind::Dictionary);
    restoreToken();
}

int WordRun::run() {
    prepare();
    if (tryHash()) return result_;
    Step step = tryStatusCache();
    if (step == Step::Done) return result_;
    for (int pass = 0; pass < kPassLimit && step != Step::Done && step != Step::NotFound;) {
        switch (step) {
        case Step::Attempt: ++pass; step = attempt(); break;
        case Step::Repairs: step = repairs(); break;
        case Step::Acceptance: step = acceptance(); break;
        case Step::CaseRepairs: step = caseRepairs(); break;
        case Step::NotFound:
        case Step::Done: break;
        }
    }
    if (step != Step::NotFound) lastResort();
    if (result_ == 0) {
        restoreToken();
        result_ = emitJoinedOrdinal(e_, word());
    }
    if (result_ == 0) {
        appendNotFound(e_, word());
        rememberWordStatus(e_, word(), kWordStatusNotFound);
    }
    ++e_.wordsInSentence;
    ++e_.wordsSincePunct;
    return result_;
}

}  // namespace

int analyseWord(Engine& engine) { return WordRun(engine).run(); }

}  // namespace kavro
