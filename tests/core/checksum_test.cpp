// The data checksum must not depend on how a file is cut into blocks (the loader reads the stem
// file in two blocks, the compiler hashes whole files), and must see any changed byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/checksum.h"

namespace kavro {
namespace {

TEST(DataChecksum, BlocksOfAnySizeGiveTheWholeFilesValueAndAnyChangedByteChangesIt) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 37 + i / 7);
    const std::uint64_t whole = dataChecksum(bytes);
    for (const std::size_t piece : {1u, 3u, 7u, 8u, 31u, 32u, 33u, 999u}) {
        DataChecksum h;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            h.add(bytes.data() + at, std::min(piece, bytes.size() - at));
        EXPECT_EQ(h.value(), whole) << "pieces of " << piece;
    }
    for (const std::size_t at : {0u, 5u, 31u, 32u, 995u, 999u}) {
        std::string changed = bytes;
        changed[at] = static_cast<char>(changed[at] ^ 0x80);
        EXPECT_NE(dataChecksum(changed), whole) << "byte " << at;
    }
    EXPECT_NE(dataChecksum(bytes + '\0'), whole) << "a trailing zero byte";
}

}  // namespace
}  // namespace kavro
