#include "app/clicked_word.h"

#include <algorithm>

namespace kavro {
namespace {

constexpr unsigned char kLigatures[] = {0x8C, 0x9C, 0xC6, 0xE6};

}  // namespace

bool isClickWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_')
        return true;
    for (unsigned char ligature : kLigatures)
        if (u == ligature) return true;
    return false;
}

std::string wordAt(std::string_view text, std::size_t at) {
    if (at >= text.size() || !isClickWordChar(text[at])) {
        if (at == 0 || at > text.size() || !isClickWordChar(text[at - 1])) return {};
        --at;
    }
    std::size_t begin = at;
    while (begin > 0 && isClickWordChar(text[begin - 1])) --begin;
    std::size_t end = at;
    while (end < text.size() && isClickWordChar(text[end])) ++end;
    return std::string(text.substr(begin, std::min(end - begin, kClickedWordLimit)));
}

}  // namespace kavro
