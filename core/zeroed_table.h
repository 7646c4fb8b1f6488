// A table of records whose all-zero bytes are their empty state, filled with zeros by the
// allocator: a large table fresh from the system is handed over without being written, so its
// pages cost nothing until a record is used (a short job touches few of them).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

namespace kavro {

template <class Record>
class ZeroedTable {
    static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_destructible_v<Record>);

public:
    std::size_t size() const { return size_; }
    Record& operator[](std::size_t i) { return records_.get()[i]; }
    const Record& operator[](std::size_t i) const { return records_.get()[i]; }

    // Makes the table `count` empty records (none when count is 0).
    void reset(std::size_t count) {
        records_.reset();
        size_ = 0;
        if (count == 0) return;
        void* bytes = std::calloc(count, sizeof(Record));
        if (!bytes) throw std::bad_alloc();
        records_.reset(static_cast<Record*>(bytes));
        size_ = count;
    }

private:
    struct Free {
        void operator()(Record* records) const { std::free(records); }
    };
    std::unique_ptr<Record, Free> records_;
    std::size_t size_ = 0;
};

}  // namespace kavro
