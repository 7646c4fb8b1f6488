// The line buffer of the Latin preparation: one input line rewritten in place, with room for
// every insertion the preparation makes (spaces after commas and beside quotes, split
// ligatures, the written-out res publica, expanded abbreviations). Every edit checks the room.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace kavro {

// An input line holds at most 4,999 characters; the character pass can at most double it
// and the res publica rule at most double it again, so this never runs short in practice.
inline constexpr std::size_t kInputLineLength = 4999;
inline constexpr std::size_t kPreparedLineCapacity = 4 * (kInputLineLength + 1) + 64;

class PreparedLine {
public:
    void assign(std::string_view text) {
        size_ = text.size() < kPreparedLineCapacity - 1 ? text.size() : kPreparedLineCapacity - 1;
        if (size_ > 0) std::memcpy(text_, text.data(), size_);
        text_[size_] = '\0';
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {text_, size_}; }
    char* data() { return text_; }
    const char* c_str() const { return text_; }
    static constexpr std::size_t capacity() { return kPreparedLineCapacity; }

    // The character at `at`, or '\0' past the end (so look-ahead needs no bounds test).
    char at(std::size_t at) const { return at < size_ ? text_[at] : '\0'; }
    unsigned char byteAt(std::size_t at) const { return static_cast<unsigned char>(this->at(at)); }
    void set(std::size_t at, char ch) {
        if (at < size_) text_[at] = ch;
    }

    // Replaces `count` characters at `at` by `text`; false (and nothing changed) if the
    // result would not fit.
    bool replace(std::size_t at, std::size_t count, std::string_view text) {
        if (at > size_) return false;
        if (count > size_ - at) count = size_ - at;
        const std::size_t newSize = size_ - count + text.size();
        if (newSize >= kPreparedLineCapacity) return false;
        std::memmove(text_ + at + text.size(), text_ + at + count, size_ - at - count + 1);
        if (!text.empty()) std::memcpy(text_ + at, text.data(), text.size());
        size_ = newSize;
        return true;
    }
    bool insert(std::size_t at, std::string_view text) { return replace(at, 0, text); }
    void erase(std::size_t at, std::size_t count) { replace(at, count, {}); }

private:
    char text_[kPreparedLineCapacity]{};
    std::size_t size_ = 0;
};

}  // namespace kavro
