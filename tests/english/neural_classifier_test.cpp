// The built-in sense networks: forward passes checked against values computed by hand
// (double precision from the published weights), and the statuses of classify.
#include "english/neural_classifier.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavro {
namespace {

constexpr float kTolerance = 1e-4f;

NeuralClassifier ready() {
    NeuralClassifier c;
    c.initNetworks();
    return c;
}

TEST(NeuralClassifier, ContentNetworkOnZerosGivesTheBiasesAlone) {
    NeuralClassifier c = ready();
    prepareClassifier(c, "content.wht", 1, 4, 3, 1, "0000");
    ASSERT_EQ(c.classify(), ClassifyStatus::Success);
    // Hidden values are the logistic of the biases: 1/(1+e^2.11718) etc.
    EXPECT_NEAR(c.hiddenValues[1], 0.107438f, kTolerance);
    EXPECT_NEAR(c.hiddenValues[2], 0.031752f, kTolerance);
    EXPECT_NEAR(c.hiddenValues[3], 0.026778f, kTolerance);
    EXPECT_NEAR(c.outputValues[1], 0.482032f, kTolerance);   // below 0.5: class 0
    EXPECT_EQ(c.classNumber, 0);
    EXPECT_STREQ(c.resultBits, "0");
}

TEST(NeuralClassifier, HandComputedForwardPassOfEachNetwork) {
    struct Case { int network, inputs, hidden, outputs; const char* features;
                  float out1, out2; int cls; const char* bits; };
    const Case cases[] = {
        {0, 8, 6, 2, "01000000", 0.690709f, 0.806000f, 3, "11"},
        {0, 8, 6, 2, "10010100", 0.303416f, 0.997880f, 1, "01"},
        {1, 4, 3, 1, "1010", 0.998507f, 0.0f, 1, "1"},
        {2, 9, 6, 2, "100000001", 0.602596f, 0.0000406f, 2, "10"},
    };
    NeuralClassifier c = ready();
    for (const Case& k : cases) {
        prepareClassifier(c, "x.wht", k.network, k.inputs, k.hidden, k.outputs, k.features);
        ASSERT_EQ(c.classify(), ClassifyStatus::Success) << k.features;
        EXPECT_NEAR(c.outputValues[1], k.out1, kTolerance) << k.features;
        if (k.outputs == 2) {
            EXPECT_NEAR(c.outputValues[2], k.out2, kTolerance) << k.features;
        }
        EXPECT_EQ(c.classNumber, k.cls) << k.features;
        EXPECT_STREQ(c.resultBits, k.bits) << k.features;
    }
}

TEST(NeuralClassifier, FailuresKeepThePreviousClass) {
    NeuralClassifier c = ready();
    prepareClassifier(c, "plaga2.wht", 0, 8, 6, 2, "01000000");
    ASSERT_EQ(c.classify(), ClassifyStatus::Success);
    ASSERT_EQ(c.classNumber, 3);

    prepareClassifier(c, "plaga2.wht", 0, 8, 6, 2, "0100000");   // 7 characters
    EXPECT_EQ(c.classify(), ClassifyStatus::InputLengthMismatch);
    prepareClassifier(c, "plaga2.wht", 0, 8, 21, 2, "00000000");
    EXPECT_EQ(c.classify(), ClassifyStatus::SizeTooLarge);
    prepareClassifier(c, "plaga2.wht", 0, 8, 6, 11, "00000000");
    EXPECT_EQ(c.classify(), ClassifyStatus::SizeTooLarge);
    prepareClassifier(c, "plaga2.wht", 3, 8, 6, 2, "00000000");
    EXPECT_EQ(c.classify(), ClassifyStatus::UnknownNetwork);
    prepareClassifier(c, "plaga2.wht", -1, 8, 6, 2, "00000000");
    EXPECT_EQ(c.classify(), ClassifyStatus::UnknownNetwork);
    EXPECT_EQ(c.classNumber, 3);
    EXPECT_STREQ(c.resultBits, "11");
}

TEST(NeuralClassifier, TheBlockSizesApplyAfterTheChecks) {
    // Declaring 4 inputs for network 0 passes the checks; its missing inputs count as 0.
    NeuralClassifier c = ready();
    prepareClassifier(c, "plaga2.wht", 0, 4, 6, 2, "0100");
    ASSERT_EQ(c.classify(), ClassifyStatus::Success);
    EXPECT_EQ(c.working.inputs, 8);
    EXPECT_EQ(c.classNumber, 3);   // the same as "01000000"
}

TEST(NeuralClassifier, OutputOfExactlyOneHalfCountsAsZero) {
    char bits[4];
    const float half[] = {0.5f};
    EXPECT_EQ(classFromOutputs(half, bits), 0);
    EXPECT_STREQ(bits, "0");
    const float pair[] = {std::nextafter(0.5f, 1.0f), 0.5f};
    EXPECT_EQ(classFromOutputs(pair, bits), 2);
    EXPECT_STREQ(bits, "10");
    const float three[] = {0.9f, 0.1f, 0.7f};
    EXPECT_EQ(classFromOutputs(three, bits), 5);
    EXPECT_STREQ(bits, "101");
}

TEST(NeuralClassifier, TheWeightsAreTheBuiltInValues) {
    NeuralClassifier c = ready();
    prepareClassifier(c, "saltus.wht", 2, 9, 6, 2, "000000000");
    ASSERT_EQ(c.classify(), ClassifyStatus::Success);
    EXPECT_EQ(c.working.inputHidden[0], 0.0f);
    EXPECT_EQ(c.working.inputHidden[1], 8.46495f);                 // input 1, hidden 1
    EXPECT_EQ(c.working.inputHidden[1 + 8 * 6 + 5], 7.71398f);     // input 9, hidden 6
    EXPECT_EQ(c.working.hiddenOutput[1 + 5 * 2 + 1], -9.06129f);   // hidden 6, output 2
    EXPECT_EQ(c.working.outputBias[2], -6.60881f);
    EXPECT_EQ(c.working.hiddenBias[5], -16.1683f);
}

}  // namespace
}  // namespace kavro
