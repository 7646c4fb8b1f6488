// The spelling every look-up uses: i for j and u for v, in either case, as the lexicon stores
// its stems and endings.
#pragma once

namespace kavro {

inline char foldIAndU(char ch) {
    switch (ch) {
    case 'j': return 'i';
    case 'J': return 'I';
    case 'v': return 'u';
    case 'V': return 'U';
    default: return ch;
    }
}

}  // namespace kavro
