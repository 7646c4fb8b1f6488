// The forms of the quidam, qualis, quantus, uter and plerusque families that take a pronoun
// suffix, with the case, number and gender each form has (gender 0: any). Sorted by form in
// byte order (the two "qualibus" rows stand before "qualis", where byte order puts them, so
// that a binary search finds them); matchQuidam searches it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace kavro {

struct PronounCompoundForm {
    std::string_view form;   // at most 9 letters
    std::uint8_t grammarCase;
    std::uint8_t number;
    std::uint8_t gender;
};

inline constexpr PronounCompoundForm kPronounCompoundForms[] = {
    {"cui", 5, 1, 0},       {"cuius", 3, 1, 0},     {"plera", 7, 2, 3},     {"plera", 5, 1, 2},
    {"plera", 1, 2, 3},     {"plera", 1, 1, 2},     {"plerae", 5, 1, 2},    {"plerae", 3, 1, 2},
    {"plerae", 1, 2, 2},    {"pleram", 7, 1, 2},    {"plerarum", 3, 2, 2},  {"pleras", 7, 2, 2},
    {"pleri", 3, 1, 1},     {"pleri", 3, 1, 3},     {"pleri", 1, 2, 1},     {"pleris", 6, 2, 0},
    {"pleris", 5, 2, 0},    {"plero", 6, 1, 1},     {"plero", 6, 1, 3},     {"plero", 5, 1, 1},
    {"plero", 5, 1, 3},     {"plerorum", 3, 2, 1},  {"plerorum", 3, 2, 3},  {"pleros", 7, 2, 1},
    {"plerum", 7, 1, 1},    {"plerum", 7, 1, 3},    {"plerum", 1, 1, 3},    {"plerus", 1, 1, 1},
    {"qua", 6, 1, 2},       {"qua", 1, 1, 2},       {"quae", 6, 1, 2},      {"quae", 7, 2, 3},
    {"quae", 1, 2, 2},      {"quae", 1, 2, 3},      {"quae", 1, 1, 2},      {"quale", 7, 1, 3},
    {"quale", 1, 1, 3},     {"qualem", 7, 1, 4},    {"quales", 7, 2, 4},    {"quales", 1, 2, 4},
    {"quali", 6, 1, 0},     {"quali", 5, 1, 0},     {"qualia", 7, 2, 3},    {"qualia", 1, 2, 3},
    {"qualibus", 5, 2, 0},  {"qualibus", 6, 2, 0},  {"qualis", 3, 1, 0},    {"qualis", 1, 1, 4},
    {"qualium", 3, 2, 0},   {"quam", 7, 1, 2},      {"quan", 7, 1, 2},      {"quanta", 7, 2, 3},
    {"quanta", 5, 1, 2},    {"quanta", 1, 2, 3},    {"quanta", 1, 1, 2},    {"quantae", 5, 1, 2},
    {"quantae", 3, 1, 2},   {"quantae", 1, 2, 2},   {"quantam", 7, 1, 2},   {"quantarum", 3, 2, 2},
    {"quantas", 7, 2, 2},   {"quanti", 3, 1, 1},    {"quanti", 3, 1, 3},    {"quanti", 1, 2, 1},
    {"quantis", 6, 2, 0},   {"quantis", 5, 2, 0},   {"quanto", 6, 1, 1},    {"quanto", 6, 1, 3},
    {"quanto", 5, 1, 1},    {"quanto", 5, 1, 3},    {"quantorum", 3, 2, 1}, {"quantorum", 3, 2, 3},
    {"quantos", 7, 2, 1},   {"quantum", 7, 1, 1},   {"quantum", 7, 1, 3},   {"quantum", 1, 1, 3},
    {"quantun", 7, 1, 1},   {"quantun", 7, 1, 3},   {"quantun", 1, 1, 3},   {"quantus", 1, 1, 1},
    {"quarum", 3, 2, 2},    {"quarun", 3, 2, 2},    {"quas", 7, 2, 2},      {"quem", 7, 1, 1},
    {"quen", 7, 1, 1},      {"qui", 1, 2, 1},       {"qui", 1, 1, 1},       {"quibus", 6, 2, 0},
    {"quibus", 5, 2, 0},    {"quid", 7, 1, 3},      {"quid", 1, 1, 3},      {"quis", 6, 2, 0},
    {"quis", 5, 2, 0},      {"quis", 1, 1, 2},      {"quis", 1, 1, 1},      {"quo", 6, 1, 1},
    {"quo", 6, 1, 3},       {"quod", 7, 1, 3},      {"quod", 1, 1, 3},      {"quorum", 3, 2, 1},
    {"quorum", 3, 2, 3},    {"quorun", 3, 2, 1},    {"quorun", 3, 2, 3},    {"quos", 7, 2, 1},
    {"uter", 1, 1, 1},      {"utra", 6, 1, 2},      {"utra", 7, 2, 3},      {"utra", 1, 2, 3},
    {"utra", 1, 1, 2},      {"utrae", 1, 2, 2},     {"utram", 7, 1, 2},     {"utrarum", 3, 2, 2},
    {"utras", 7, 2, 2},     {"utri", 5, 1, 0},      {"utri", 1, 2, 1},      {"utris", 6, 2, 0},
    {"utris", 5, 2, 0},     {"utrius", 3, 1, 0},    {"utro", 6, 1, 1},      {"utro", 6, 1, 3},
    {"utrorum", 3, 2, 1},   {"utrorum", 3, 2, 3},   {"utrorun", 3, 2, 1},   {"utrorun", 3, 2, 3},
    {"utros", 7, 2, 1},     {"utrum", 7, 1, 1},     {"utrum", 7, 1, 3},     {"utrum", 1, 1, 3},
    {"utrun", 7, 1, 1},     {"utrun", 7, 1, 3},     {"utrun", 1, 1, 3},
};
static_assert(std::size(kPronounCompoundForms) == 131);

constexpr bool pronounCompoundFormsSorted() {
    for (std::size_t i = 1; i < std::size(kPronounCompoundForms); ++i)
        if (kPronounCompoundForms[i].form < kPronounCompoundForms[i - 1].form) return false;
    return true;
}
static_assert(pronounCompoundFormsSorted());

}  // namespace kavro
