// The checksum that manifest.txt records for every compiled data file: four interleaved 64-bit
// FNV-1a lanes over 8-byte little-endian words, folded together with the trailing bytes and the
// length. Taking a word at a time on independent lanes checks the 12 MB of tables in a fraction
// of the time a byte at a time takes, and a change to any one word always changes the value (each
// step is a bijection of the lane).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kavro {

class DataChecksum {
public:
    void add(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        total_ += size;
        while (size > 0 && pendingSize_ != 0) {
            pending_[pendingSize_++] = *p++;
            --size;
            if (pendingSize_ == kGroupSize) {
                mixGroup(pending_.data());
                pendingSize_ = 0;
            }
        }
        for (; size >= kGroupSize; p += kGroupSize, size -= kGroupSize) mixGroup(p);
        for (; size > 0; --size) pending_[pendingSize_++] = *p++;
    }

    std::uint64_t value() const {
        std::uint64_t h = kOffsetBasis;
        for (const std::uint64_t lane : lanes_) h = mix(h, lane);
        for (std::size_t i = 0; i < pendingSize_; ++i) h = mix(h, pending_[i]);
        return mix(h, total_);
    }

private:
    static constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325ULL;
    static constexpr std::uint64_t kPrime = 0x100000001b3ULL;
    static constexpr std::size_t kLanes = 4;
    static constexpr std::size_t kWordSize = 8;
    static constexpr std::size_t kGroupSize = kLanes * kWordSize;

    static std::uint64_t mix(std::uint64_t h, std::uint64_t value) { return (h ^ value) * kPrime; }

    static std::uint64_t littleEndianWord(const unsigned char* p) {
        std::uint64_t word;
        std::memcpy(&word, p, kWordSize);
        if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
        return word;
    }

    void mixGroup(const unsigned char* group) {
        for (std::size_t lane = 0; lane < kLanes; ++lane)
            lanes_[lane] = mix(lanes_[lane], littleEndianWord(group + lane * kWordSize));
    }

    std::array<std::uint64_t, kLanes> lanes_{kOffsetBasis, kOffsetBasis, kOffsetBasis, kOffsetBasis};
    std::array<unsigned char, kGroupSize> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t total_ = 0;
};

inline std::uint64_t dataChecksum(std::string_view bytes) {
    DataChecksum h;
    h.add(bytes.data(), bytes.size());
    return h.value();
}

}  // namespace kavro
