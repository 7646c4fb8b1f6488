// The checksum that manifest.txt records for every compiled data file (64-bit FNV-1a).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kavro {

class Fnv1a64 {
public:
    void add(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash_ ^= p[i];
            hash_ *= 0x100000001b3ULL;
        }
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

inline std::uint64_t fnv1a64(std::string_view bytes) {
    Fnv1a64 h;
    h.add(bytes.data(), bytes.size());
    return h.value();
}

}  // namespace kavro
