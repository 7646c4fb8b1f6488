// Runs a list of independent items on several threads and hands their results back one by one
// in the order of the list, each as soon as it and every item before it are done: a batch of
// files prints its outputs in the order the user named them while later files are still running.
#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kavro {

// Calls work(i) for every i in [0, count) on at most `threads` threads (1 or 0: on the calling
// thread, one item after the other) and deliver(i, result) on the calling thread, in ascending
// i. The threads take the items in the order of `startOrder` (a permutation of 0..count-1; empty:
// ascending), so that the longest items can be started first and no thread is left with a long
// one at the end. An exception from work(i) is thrown again by the delivery of item i; an
// exception from deliver stops the handing out of further items and is thrown once the running
// ones are done.
template <class Result, class Work, class Deliver>
void runOrderedParallel(std::size_t count, unsigned threads, Work work, Deliver deliver,
                        const std::vector<std::size_t>& startOrder = {}) {
    if (threads <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) deliver(i, work(i));
        return;
    }
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
        bool done = false;
    };
    std::vector<Slot> slots(count);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t n; (n = next.fetch_add(1)) < count;) {
            const std::size_t i = startOrder.size() == count ? startOrder[n] : n;
            Slot slot;
            try {
                slot.result.emplace(work(i));
            } catch (...) {
                slot.error = std::current_exception();
            }
            slot.done = true;
            {
                const std::lock_guard lock(mutex);
                slots[i] = std::move(slot);
            }
            finished.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    const std::size_t poolSize = std::min<std::size_t>(threads, count);
    for (std::size_t t = 0; t < poolSize; ++t) pool.emplace_back(worker);
    try {
        for (std::size_t i = 0; i < count; ++i) {
            Slot slot;
            {
                std::unique_lock lock(mutex);
                finished.wait(lock, [&] { return slots[i].done; });
                slot = std::move(slots[i]);
            }
            if (slot.error) std::rethrow_exception(slot.error);
            deliver(i, std::move(*slot.result));
        }
    } catch (...) {
        next.store(count);   // no new items; the pool's destructors wait for the running ones
        throw;
    }
}

}  // namespace kavro
