#include "app/menu_rules.h"

#include <algorithm>

namespace kavro {
namespace {

constexpr std::string_view kEasyLatinOn =
    "EASY (TEACHING) LATIN MODE.\nUses only most common Latin words.\n"
    "Also restricts to 'classical age' words only and removes medieval 'tricks'.\n"
    "For further details, see HELP or manual.";
constexpr std::string_view kEasyLatinOff =
    "Easy Teaching Mode is turned OFF.\nYou may need to re-set AGE PREFERRED and MEDIEVAL TRICKS.";

constexpr std::int16_t kAreaCodes[] = {kAreaGeneral, 'B', 'E', 'G', 'L', 'W', 'S', 'D',
                                       kAreaMedieval, kAreaNeoLatin, kAreaBotany};

struct FontFace {
    std::string_view face;
    FontChoice::Family family;
};
constexpr FontFace kFontFaces[] = {{"Sans Serif", FontChoice::Family::Swiss},
                                   {"Roman", FontChoice::Family::Roman},
                                   {"Courier", FontChoice::Family::Modern}};

constexpr std::uint32_t kBackgroundColours[] = {0xFFFFFF, 0xC0F0F0, 0xF0F0F0};  // white, yellow, grey
constexpr int kTwipsPerPoint = 20;

}  // namespace

MenuStates applyMenuRules(ViewOptions& o) {
    o.preferNeoLatin = o.area == kAreaNeoLatin;
    o.preferMedieval = o.area == kAreaMedieval;
    if (!o.botanyActive && o.area == kAreaBotany) o.area = kAreaGeneral;

    MenuStates m;
    m.details = {o.sentenceMode, o.details};
    m.jointOutput = {o.sentenceMode, o.jointOutput};
    m.autoArea = {o.sentenceMode, o.autoArea};
    m.medievalPhonetics = {o.medievalTricks, o.medievalPhonetics};
    m.preferNeoLatin = {o.age == kAgeAll, o.preferNeoLatin};
    m.preferMedieval = {o.age == kAgeMedieval, o.preferMedieval};
    m.botany = {o.botanyActive, o.area == kAreaBotany};
    m.allowHash = {o.hashLoaded, o.hashActive};
    return m;
}

bool isAreaCode(std::int16_t code) {
    return std::find(std::begin(kAreaCodes), std::end(kAreaCodes), code) != std::end(kAreaCodes);
}

void chooseArea(ViewOptions& o, std::int16_t code) {
    o.area = code;
    o.preferMedieval = code == kAreaMedieval;
    o.preferNeoLatin = code == kAreaNeoLatin;
    o.autoArea = false;
}

void toggleAutoArea(ViewOptions& o) {
    o.autoArea = !o.autoArea;
    if (o.autoArea) o.area = kAreaGeneral;
}

void chooseAge(ViewOptions& o, std::uint8_t age) {
    o.age = age;
    if (age == kAgeClassical || age == kAgeMedieval) o.botanyActive = false;
}

std::string toggleEasyLatin(ViewOptions& o) {
    o.easyLatin = !o.easyLatin;
    if (!o.easyLatin) {
        o.medievalTricks = true;
        return std::string(kEasyLatinOff);
    }
    o.age = kAgeClassical;
    o.medievalTricks = false;
    o.medievalPhonetics = false;
    o.botanyActive = false;
    return std::string(kEasyLatinOn);
}

void toggleHash(ViewOptions& o) {
    if (o.hashLoaded) o.hashActive = !o.hashActive;
}

FontChoice fontChoice(const ViewOptions& o) {
    const FontFace& f = kFontFaces[o.fontType >= 0 && o.fontType <= 2 ? o.fontType : 0];
    return {o.fontSize * kTwipsPerPoint, o.fontBold, f.face, f.family};
}

std::uint32_t backgroundColour(int background) {
    return kBackgroundColours[background >= 0 && background <= 2 ? background : 1];
}

}  // namespace kavro
