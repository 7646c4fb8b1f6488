// Paradigms both ways: every form generated for a sample of dictionary entries, taken across
// every part of speech, declension and conjugation, is analysed back to its entry with the same
// grammar. The share that comes back must be at least 99 %; the forms that do not are printed.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "morph/paradigm.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro {
namespace {

constexpr std::size_t kSampleSize = 500;
constexpr double kRequiredShare = 0.99;

// A sample of `size` entries spread over the classes (part of speech, declension or conjugation,
// variant): one entry of each class in turn, each class walked at an even stride.
std::vector<ParadigmEntry> sampleAcrossClasses(std::vector<ParadigmEntry> all, std::size_t size) {
    std::map<std::tuple<int, int, int>, std::vector<ParadigmEntry*>> classes;
    for (ParadigmEntry& e : all) {
        const StemRecord& s = e.stems.front();
        classes[{entryPartOfSpeech(e), s.which, s.variant}].push_back(&e);
    }
    std::vector<ParadigmEntry> sample;
    for (std::size_t round = 0; sample.size() < size; ++round) {
        bool any = false;
        for (auto& [key, members] : classes) {
            const std::size_t stride = members.size() / 32 + 1;   // not only the first letters
            const std::size_t at = round * stride;
            if (at >= members.size() || sample.size() >= size) continue;
            sample.push_back(*members[at]);
            any = true;
        }
        if (!any) break;
    }
    return sample;
}

// The grammar bytes of a reading agree with those of the generated form (a 0 byte of the
// inflection takes any value).
// What word analysis does on purpose to the grammar of a reading: a common gender becomes the
// stem's, a pronoun may leave the gender open, a participle is read as adjective-like or (the
// gerundive) gerund-like, and the passive forms of deponents are given as active.
bool sameGrammar(int partOfSpeech, const InflectionRecord& r, const WordAnalysis& a) {
    const std::uint8_t want[6] = {r.grammar1, r.grammar2, r.grammar3, r.grammar4, r.grammar5, r.grammar6};
    const std::uint8_t got[6] = {a.grammar1, a.grammar2, a.grammar3, a.grammar4, a.grammar5, a.grammar6};
    const bool verb = partOfSpeech == speech_type::Verb;
    const bool participle = partOfSpeech == speech_type::Participle;
    const bool deponent = a.kind2 == verb_kind_type::Deponent || a.kind2 == verb_kind_type::Semideponent;
    const int voiceByte = verb ? 1 : 4;
    for (int i = 0; i < 6; ++i) {
        if (want[i] == 0 || want[i] == got[i]) continue;
        if (!verb && i == 2 && (got[i] == gender_type::None ||
                                (want[i] == gender_type::Common &&
                                 (got[i] == gender_type::Masculine || got[i] == gender_type::Feminine))))
            continue;
        if (participle && i == 5 && (got[i] == mood_type::AdjectiveLike || got[i] == mood_type::Gerund)) continue;
        if ((verb || participle) && i == voiceByte && deponent && got[i] == voice_type::Active) continue;
        return false;
    }
    return true;
}

// A numeral may be read as an adjective.
bool samePartOfSpeech(int generated, int read) {
    read &= 0x1F;
    return read == generated || (generated == speech_type::Numeral && read == speech_type::Adjective);
}

std::string grammarText(const ParadigmForm& f) {
    const InflectionRecord& r = f.inflection;
    std::string text = std::to_string(f.partOfSpeech);
    for (int g : {r.grammar1, r.grammar2, r.grammar3, r.grammar4, r.grammar5, r.grammar6})
        text += " " + std::to_string(g);
    return text;
}

class ParadigmRoundTrip : public testing::RealLexicon {
protected:
    // True when one reading of the form is of the entry (same citation lemma, same stem and
    // ending for a regular form) with the form's part of speech and grammar.
    bool analysedBack(const ParadigmEntry& entry, const ParadigmForm& f) {
        analyse({f.form});
        const std::string lemma = citationLemma(entry.citation);
        const std::string split = f.stem + "." + f.ending;
        for (const testing::Reading& r : readingsOf(0)) {
            if (!samePartOfSpeech(f.partOfSpeech, r.partOfSpeech)) continue;
            InflectionRecord wanted = f.inflection;
            if ((r.partOfSpeech & 0x1F) != f.partOfSpeech) wanted.grammar4 = 0;   // kind, not degree
            if (!sameGrammar(f.partOfSpeech, wanted, r.record)) continue;
            const bool sameSplit = r.form == split || r.form == f.form + "." ||   // or read whole
                                   (r.form.ends_with("*") && split.starts_with(r.form.substr(0, r.form.size() - 1)));
            if (!f.irregular && !sameSplit) continue;
            if (f.irregular || citationLemma(r.citation) == lemma) return true;
        }
        return false;
    }
};

TEST_F(ParadigmRoundTrip, GeneratedFormsAreAnalysedBackToTheirEntry) {
    options().sentenceMode = false;   // every reading carries its citation form
    const std::vector<ParadigmEntry> sample = sampleAcrossClasses(allParadigmEntries(lexicon()), kSampleSize);
    ASSERT_EQ(sample.size(), kSampleSize);
    std::map<int, int> partsOfSpeech;
    int total = 0, back = 0;
    std::string misses;
    for (const ParadigmEntry& entry : sample) {
        ++partsOfSpeech[entryPartOfSpeech(entry)];
        for (const ParadigmForm& f : generateParadigm(engine(), entry)) {
            ++total;
            if (analysedBack(entry, f)) ++back;
            else misses += "  " + f.form + " (" + f.stem + "." + f.ending + ", " + grammarText(f) +
                           ") of " + entry.citation + "; read as " + describe(0) + "\n";
        }
    }
    for (int pos : {speech_type::Noun, speech_type::Pronoun, speech_type::Adjective, speech_type::Numeral,
                    speech_type::Adverb, speech_type::Verb})
        EXPECT_GT(partsOfSpeech[pos], 0) << "no entry of part of speech " << pos << " sampled";
    const double share = total ? static_cast<double>(back) / total : 0;
    std::printf("round trip: %d of %d forms of %zu entries (%.2f %%)\n", back, total, sample.size(), 100 * share);
    EXPECT_GE(share, kRequiredShare) << "forms not analysed back:\n" << misses;
    if (!misses.empty()) std::printf("forms not analysed back:\n%s", misses.c_str());
}

}  // namespace
}  // namespace kavro
