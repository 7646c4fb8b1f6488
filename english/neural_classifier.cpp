// The three built-in networks and the forward pass of the sense classifier.
#include "english/neural_classifier.h"

#include <cmath>
#include <cstring>

#include "core/fixed_text.h"

namespace kavro {

namespace {

// The weights of one network as tables: rows of the input-to-hidden matrix (input 1..n), the
// hidden biases, rows of the hidden-to-output matrix (hidden 1..h) and the output biases.
struct NetworkWeights {
    int inputs, hidden, outputs;
    const float* inputHidden;    // inputs x hidden, input-major
    const float* hiddenBias;     // hidden
    const float* hiddenOutput;   // hidden x outputs, hidden-major
    const float* outputBias;     // outputs
};

// Network 0: the sense of plaga ("plaga2.wht").
constexpr float kPlagaInputHidden[8 * 6] = {
    0.091772f, -5.16669f, -6.15825f, 0.349634f, -3.57757f, -4.53668f,
    7.89106f, 9.80667f, 9.43951f, -5.21564f, 1.97055f, -2.41253f,
    -10.4695f, -1.05257f, 3.2141f, -0.422518f, 0.823063f, 8.4325f,
    1.33819f, 2.95359f, -6.81684f, 5.23685f, 0.315998f, -1.8334f,
    5.19194f, -1.43334f, 1.11304f, -5.4159f, -0.122752f, -5.37674f,
    6.07615f, 2.8354f, 4.08536f, -3.09474f, -8.56499f, 5.8517f,
    -7.32454f, -6.57768f, 6.37444f, -1.62473f, 13.2549f, -11.1135f,
    -1.50091f, 1.05032f, 5.13056f, -5.57234f, 5.75852f, -12.646f};
constexpr float kPlagaHiddenBias[6] = {-2.1178f, -8.33259f, -1.11144f,
                                       -0.952064f, -5.46114f, -3.98938f};
constexpr float kPlagaHiddenOutput[6 * 2] = {
    -1.8859f, 3.4213f, -5.26213f, 0.101109f, 5.95897f, -1.64975f,
    0.188916f, 3.51709f, 1.4269f, -8.51971f, -7.81403f, 2.95703f};
constexpr float kPlagaOutputBias[2] = {0.977963f, -0.179614f};

// Network 1: "content" or "tense" ("content.wht").
constexpr float kContentInputHidden[4 * 3] = {
    1.54322f, -2.34361f, 7.80994f, -1.19954f, 9.07615f, -1.10621f,
    0.184922f, -4.23347f, 2.10016f, -0.634079f, -0.221815f, -3.42522f};
constexpr float kContentHiddenBias[3] = {-2.11718f, -3.41752f, -3.59303f};
constexpr float kContentHiddenOutput[3 * 1] = {0.403124f, -6.51277f, 6.43557f};
constexpr float kContentOutputBias[1] = {-0.080751f};

// Network 2: the sense of saltus ("saltus.wht").
constexpr float kSaltusInputHidden[9 * 6] = {
    8.46495f, -0.75586f, -9.39297f, -1.26345f, 3.86195f, 7.56929f,
    9.17857f, 2.92106f, -0.52582f, -0.934041f, -2.06616f, -7.26196f,
    -7.27818f, 7.38524f, 2.91891f, -8.28744f, 7.21405f, -11.8258f,
    3.53844f, 2.33118f, -9.46803f, -3.52805f, 4.99362f, -4.07969f,
    -3.41507f, 10.4335f, 6.85273f, 9.96167f, -5.73863f, 4.57148f,
    1.41772f, 7.40176f, -3.01988f, -2.38276f, -7.57921f, 6.61786f,
    1.09525f, 1.31055f, -3.75749f, 7.13931f, 4.41092f, -4.0295f,
    3.80275f, 10.6125f, 7.37193f, -1.59927f, 3.84549f, 0.336828f,
    11.2612f, -7.464f, -13.6636f, -3.98893f, 4.91917f, 7.71398f};
constexpr float kSaltusHiddenBias[6] = {-5.59308f, -7.80809f, 9.05406f,
                                        -0.725687f, -16.1683f, -4.01992f};
constexpr float kSaltusHiddenOutput[6 * 2] = {
    -9.15872f, 5.53326f, -8.90372f, 1.78972f, 8.16404f, -10.9704f,
    -1.04375f, 9.63636f, 7.94808f, 1.67865f, 8.33151f, -9.06129f};
constexpr float kSaltusOutputBias[2] = {1.24132f, -6.60881f};

constexpr NetworkWeights kBuiltIn[kBuiltInNetworks] = {
    {8, 6, 2, kPlagaInputHidden, kPlagaHiddenBias, kPlagaHiddenOutput, kPlagaOutputBias},
    {4, 3, 1, kContentInputHidden, kContentHiddenBias, kContentHiddenOutput, kContentOutputBias},
    {9, 6, 2, kSaltusInputHidden, kSaltusHiddenBias, kSaltusHiddenOutput, kSaltusOutputBias},
};

NetworkBlock makeBlock(const NetworkWeights& w) {
    NetworkBlock b{};
    b.inputs = w.inputs;
    b.outputs = w.outputs;
    b.hidden = w.hidden;
    for (int i = 0; i < w.inputs * w.hidden; ++i) b.inputHidden[1 + i] = w.inputHidden[i];
    for (int i = 0; i < w.hidden * w.outputs; ++i) b.hiddenOutput[1 + i] = w.hiddenOutput[i];
    for (int k = 0; k < w.outputs; ++k) b.outputBias[1 + k] = w.outputBias[k];
    for (int r = 0; r < w.hidden; ++r) b.hiddenBias[1 + r] = w.hiddenBias[r];
    return b;
}

float logistic(float sum) { return 1.0f / (1.0f + std::exp(-sum)); }

// A feature character's value: its digit value, 0 for anything that is not a digit.
float featureValue(char c) { return c >= '0' && c <= '9' ? float(c - '0') : 0.0f; }

}  // namespace

std::int16_t classFromOutputs(std::span<const float> outputs, char* bits) {
    std::int16_t cls = 0;
    const std::size_t m = outputs.size();
    for (std::size_t k = 0; k < m; ++k) {
        const bool on = outputs[k] > 0.5f;
        if (on) cls = static_cast<std::int16_t>(cls + (1 << (m - 1 - k)));
        bits[k] = on ? '1' : '0';
    }
    bits[m] = '\0';
    return cls;
}

void NeuralClassifier::initNetworks() {
    for (int n = 0; n < kBuiltInNetworks; ++n) blocks_[n] = makeBlock(kBuiltIn[n]);
    networkLoaded = true;
}

ClassifyStatus NeuralClassifier::classify() {
    if (static_cast<std::int32_t>(strnlen(input, sizeof input)) != declaredInputs) {
        return ClassifyStatus::InputLengthMismatch;
    }
    if (declaredInputs > kNetworkMaxInputs || declaredOutputs > kNetworkMaxOutputs ||
        declaredHidden > kNetworkMaxHidden) {
        return ClassifyStatus::SizeTooLarge;
    }
    if (network < 0 || network >= kBuiltInNetworks) return ClassifyStatus::UnknownNetwork;
    if (!networkLoaded) initNetworks();

    working = blocks_[network];
    const int n = working.inputs, h = working.hidden, m = working.outputs;
    // Inputs past the end of the string (a caller declaring fewer than the network has) are 0.
    inputValues.fill(0.0f);
    for (int j = 1; j <= n && input[j - 1] != '\0'; ++j) inputValues[j] = featureValue(input[j - 1]);

    for (int r = 1; r <= h; ++r) {
        float sum = 0.0f;
        for (int j = 1; j <= n; ++j) sum += working.inputHidden[1 + (j - 1) * h + (r - 1)] * inputValues[j];
        hiddenValues[r] = logistic(sum + working.hiddenBias[r]);
    }
    for (int k = 1; k <= m; ++k) {
        float sum = 0.0f;
        for (int r = 1; r <= h; ++r) sum += working.hiddenOutput[1 + (r - 1) * m + (k - 1)] * hiddenValues[r];
        outputValues[k] = logistic(sum + working.outputBias[k]);
    }
    classNumber = classFromOutputs(std::span<const float>(outputValues).subspan(1, m), resultBits);
    return ClassifyStatus::Success;
}

void prepareClassifier(NeuralClassifier& classifier, const char* label, int network, int inputs,
                       int hidden, int outputs, const char* features) {
    copyField(classifier.weightsName, label);
    classifier.network = network;
    classifier.declaredInputs = inputs;
    classifier.declaredHidden = hidden;
    classifier.declaredOutputs = outputs;
    copyField(classifier.input, features);
}

}  // namespace kavro
