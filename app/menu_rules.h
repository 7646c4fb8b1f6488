// The rules that keep the options consistent with each other and with the menu: which entries
// are enabled and checked, and what choosing an area, an age, easy Latin or the hash does.
// The window calls these and shows the result; nothing here knows about menus as widgets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/view_options.h"

namespace kavro {

struct MenuEntryState {
    bool enabled = true;
    bool checked = false;
};

// The entries whose state depends on other options.
struct MenuStates {
    MenuEntryState details;
    MenuEntryState jointOutput;
    MenuEntryState autoArea;
    MenuEntryState medievalPhonetics;
    MenuEntryState preferNeoLatin;
    MenuEntryState preferMedieval;
    MenuEntryState botany;
    MenuEntryState allowHash;
};

// Applied whenever the menu is shown: brings preferNeoLatin and preferMedieval in line with
// the area, drops the botany area when the botany file was not accepted, and returns the
// entries' states.
MenuStates applyMenuRules(ViewOptions& options);

// Subject-area codes of the "Area Preferred" menu.
inline constexpr std::int16_t kAreaGeneral = 0;
inline constexpr std::int16_t kAreaMedieval = 'M';
inline constexpr std::int16_t kAreaNeoLatin = 'Z';
inline constexpr std::int16_t kAreaBotany = 'H';

// True for 0 and the letters that have a menu entry (B E G L W S D M Z H).
bool isAreaCode(std::int16_t code);

// Choosing an area entry: sets the area (with preferMedieval for 'M', preferNeoLatin for 'Z')
// and turns the auto-adjusting area off.
void chooseArea(ViewOptions& options, std::int16_t code);

// "Auto-adjusting": toggles autoArea; turning it on resets the area to general.
void toggleAutoArea(ViewOptions& options);

// The age entries (kAgeClassical, kAgeMedieval, kAgeAll); the first two also turn botany off.
void chooseAge(ViewOptions& options, std::uint8_t age);

// "EASY LATIN": toggles easy Latin and returns the message to show.
std::string toggleEasyLatin(ViewOptions& options);

// "Allow high-speed hash": toggles hashActive, but only while the hash table is loaded.
void toggleHash(ViewOptions& options);

// What applyFonts gives the three boxes.
struct FontChoice {
    int twips;               // fontSize x 20
    bool bold;
    std::string_view face;   // "Sans Serif", "Roman" or "Courier"
    enum class Family { Swiss, Roman, Modern } family;
};
FontChoice fontChoice(const ViewOptions& options);

// The background colour (0x00BBGGRR) of the Latin and Translation boxes.
std::uint32_t backgroundColour(int background);

}  // namespace kavro
