// The option entries of the menu, as tables: the window builds its menus from them and the
// toggles act on the option set through them.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/view_options.h"

namespace kavro {

// An entry that turns one option on and off; its check mark shows the option.
struct ToggleEntry {
    std::string_view text;   // as shown, with the accelerator after a tab
    bool ViewOptions::*option;
};

inline constexpr ToggleEntry kUserPhraseToggles[] = {
    {"Allowed", &ViewOptions::allowUserPhrases},
    {"Show <...>", &ViewOptions::showUserPhrases},
};

inline constexpr ToggleEntry kLatinToggles[] = {
    {"&Plautus Elisions", &ViewOptions::plautusElisions},
    {"&Medieval Tricks", &ViewOptions::medievalTricks},
    {"Medieval P&honetics", &ViewOptions::medievalPhonetics},
    {"Ablative Absolute", &ViewOptions::ablativeAbsolute},
    {"Abb&reviations", &ViewOptions::abbreviations},
    {"&Inscriptions\tCtrl+I", &ViewOptions::inscriptions},
};

inline constexpr ToggleEntry kOutputToggles[] = {
    {"&Details\tCtrl+D", &ViewOptions::details},
    {"&Joint Latin/English\tCtrl+J", &ViewOptions::jointOutput},
    {"&Translate\tCtrl+T", &ViewOptions::sentenceMode},
};

inline constexpr ToggleEntry kSingleWordToggles[] = {
    {"Single Word Underscore", &ViewOptions::singleWordUnderscore},
    {"Si&ngle Word in Sentence", &ViewOptions::singleWordComplaint},
};

inline constexpr ToggleEntry kEngineToggles[] = {
    {"Allow &Neural Network", &ViewOptions::neuralNetwork},
    {"&Force Proper Names", &ViewOptions::forceProperNames},
};

struct AreaEntry {
    std::string_view text;
    std::int16_t code;
};

inline constexpr AreaEntry kAreaEntries[] = {
    {"&General", 0},
    {"&Biological, Medical, Cookery", 'B'},
    {"&Ecclesiastical", 'E'},
    {"G&rammatical, of Poetic meter", 'G'},
    {"&Legal", 'L'},
    {"&Military", 'W'},
    {"&Scientific, Technical", 'S'},
    {"&Theatre, Music, Poetry", 'D'},
    {"&Prefer Medieval Meanings", 'M'},
    {"&Prefer NeoLatin Meanings", 'Z'},
    {"Botany, Horticultural", 'H'},
};

struct AgeEntry {
    std::string_view text;
    std::uint8_t age;
};

inline constexpr AgeEntry kAgeEntries[] = {
    {"Latin from &all ages", kAgeAll},
    {"&Classical Latin to 500AD", kAgeClassical},
    {"&Medieval Latin to 1500AD", kAgeMedieval},
};

struct OrderEntry {
    std::string_view text;
    std::int16_t order;
};

inline constexpr OrderEntry kWordOrderEntries[] = {
    {"No word ordering", 0},
    {"Verb after Nom (Medieval)", 1},
    {"Auto word ordering (Default)", 2},
    {"SVOE order", 3},
};

// The three places a clicked word's translation may go ("Single Word Options").
inline constexpr std::string_view kSingleWordTargets[] = {
    "English Translation lower window (default)",
    "Latin Glossary lower window",
    "Latin Glossary modeless dialog box",
};

// The menu text before the tab, and the accelerator after it (empty when there is none).
std::string_view entryLabel(std::string_view text);
std::string_view entryAccelerator(std::string_view text);

}  // namespace kavro
