// The option set through which the shell steers the engine, with its defaults.
#pragma once

#include <cstdint>

namespace kavro {

enum class BestOrder : std::int16_t { None = 0, VerbAfterNominatives = 1, Automatic = 2, Svoe = 3 };

inline constexpr std::uint8_t kAgeClassical = 5;
inline constexpr std::uint8_t kAgeMedieval = 7;
inline constexpr std::uint8_t kAgeAll = 15;

struct ViewOptions {
    bool details = false;
    bool sentenceMode = false;
    bool jointOutput = false;
    bool inscriptions = false;
    bool plautusElisions = false;
    bool medievalTricks = true;
    bool medievalPhonetics = false;
    bool preferMedieval = false;
    bool preferNeoLatin = false;
    bool easyLatin = false;
    bool ablativeAbsolute = true;
    std::int16_t bestOrder = 2;          // BestOrder code
    bool neuralNetwork = true;
    bool forceProperNames = false;
    bool abbreviations = false;
    bool allowUserPhrases = true;
    bool showUserPhrases = true;
    std::int16_t area = 0;               // 0 general, or 'B','E','G','L','W','S','D','M','Z','H'
    bool autoArea = false;
    // Auto-area tallies (cleared at the start of a job with autoArea on): sentences without a
    // clear area since the last reset, and sentences counted under each area index.
    std::int16_t unclearAreaCount = 0;
    std::int16_t areaSentenceCounts[14]{};
    std::uint8_t age = kAgeMedieval;
    bool hashOffByUser = false;
    bool hashActive = false;
    bool hashLoaded = false;
    bool botanyInstalled = false;
    bool botanyActive = false;
    bool singleWordUnderscore = false;
    bool singleWordComplaint = true;
    int singleWordTarget = 0;
    int fontSize = 9;
    int fontType = 0;                    // 0 Arial, 1 Roman, 2 Courier
    bool fontBold = false;
    int background = 1;                  // 0 white, 1 yellow, 2 grey
    bool dumpGroups = false;             // Alt+Shift+M, no menu entry
};

}  // namespace kavro
