// The driver's repairs on real Latin: a Plautine "-n" is the enclitic "-ne" with its "e" elided.
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using DriverRepairs = RealLexicon;

TEST_F(DriverRepairs, ElidedNeIsRetriedOnlyWithPlautineElisions) {
    analyse({"et", "abin", "PUNCT@"});
    ASSERT_EQ(readingsOf(1).size(), 1u) << describe(1);
    EXPECT_EQ(readingsOf(1)[0].partOfSpeech, speech_type::NotFound);

    options().plautusElisions = true;
    resetWordStatusCache(engine());
    analyse({"et", "abin", "PUNCT@"});
    // abin -> abine: the word abi and the conjunction ne as a word of its own (the "ne" moved
    // in front of its word).
    EXPECT_EQ(token(1), "ne");
    ASSERT_FALSE(readingsOf(1).empty());
    EXPECT_EQ(readingsOf(1)[0].partOfSpeech, speech_type::Conjunction) << describe(1);
    EXPECT_TRUE(hasReading(2, speech_type::Verb, "abi.")) << describe(2);
    EXPECT_EQ(readingsOf(3).front().partOfSpeech, speech_type::Punctuation);
}

}  // namespace
}  // namespace kavro::testing
