// The neural sense classifier: three small feed-forward networks, built into the program, that
// choose the sense of plaga, content- and saltus from a string of 0/1 context features.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kavro {

// Limits of the classifier's fixed arrays.
inline constexpr int kNetworkMaxInputs = 20;
inline constexpr int kNetworkMaxHidden = 20;
inline constexpr int kNetworkMaxOutputs = 10;
inline constexpr int kBuiltInNetworks = 3;

// One built-in network as a block of 707 32-bit words. Each weight array keeps an unused zero
// at index 0; weights are packed input-major (input j = 1..n, hidden r = 1..h at
// 1 + (j-1) x h + (r-1)) and hidden-major (hidden r, output k at 1 + (r-1) x m + (k-1)).
struct NetworkBlock {
    std::int32_t inputs;
    std::int32_t outputs;
    std::int32_t hidden;
    float inputHidden[441];
    float hiddenOutput[231];
    float outputBias[11];     // index k = 1..m
    float hiddenBias[21];     // index r = 1..h
};
static_assert(sizeof(NetworkBlock) == 707 * 4);

// Statuses of classify.
enum class ClassifyStatus : std::int16_t {
    Success = 0,
    InputLengthMismatch = 1,   // the input string's length differs from the declared inputs
    SizeTooLarge = 2,          // declared inputs above 20, outputs above 10 or hidden above 20
    UnknownNetwork = 3,        // network number not 0, 1 or 2
};

// Class number of a set of output values: output 1 is the most significant bit and counts
// only when strictly above 0.5. Writes one '0'/'1' per output into `bits` (NUL-terminated,
// at least outputs.size() + 1 bytes).
std::int16_t classFromOutputs(std::span<const float> outputs, char* bits);

class NeuralClassifier {
public:
    // Fills the three built-in blocks. Always succeeds.
    void initNetworks();

    // Runs the requested network on the input string; see ClassifyStatus. On success the class
    // number and the result string are valid; otherwise they keep the previous call's values.
    ClassifyStatus classify();

    // Set by the caller before classify.
    char weightsName[12] = {};          // "plaga2.wht", "content.wht" or "saltus.wht" (a label)
    int network = 0;                    // 0, 1 or 2
    std::int32_t declaredInputs = 0;
    std::int32_t declaredHidden = 0;
    std::int32_t declaredOutputs = 0;
    char input[kNetworkMaxInputs + 1] = {};   // '0'/'1' characters

    // The result.
    std::int16_t classNumber = 0;
    char resultBits[kNetworkMaxOutputs + 1] = {};
    bool networkLoaded = false;

    // The working copy and the activations of the last successful call.
    NetworkBlock working{};
    std::array<float, kNetworkMaxInputs + 1> inputValues{};
    std::array<float, kNetworkMaxHidden + 1> hiddenValues{};
    std::array<float, kNetworkMaxOutputs + 1> outputValues{};

private:
    std::array<NetworkBlock, kBuiltInNetworks> blocks_{};
};

// Sets the label, network number, sizes and input of the classifier in one call.
void prepareClassifier(NeuralClassifier& classifier, const char* label, int network, int inputs,
                       int hidden, int outputs, const char* features);

}  // namespace kavro
