// Runs a list of independent items on several threads and hands their results back one by one in
// the order of the list, so that the output is the same as one thread would give. Each worker
// thread has a number (0 .. threads-1) by which the caller gives it its own state (an Engine,
// say); items are taken in `startOrder` (the longest first balances the threads best), results
// are delivered on the calling thread in item order.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>
#include <vector>

namespace kavro {

// work(worker, item) -> Result runs on a worker thread; deliver(item, Result&&) -> bool runs on
// the calling thread in item order and returns false to stop: no further item is started and the
// results not yet delivered are dropped. With one thread everything runs on the calling thread.
// An exception thrown by work is thrown again from here when its item's turn comes.
template <class Result, class Work, class Deliver>
void runOrderedParallel(std::size_t count, unsigned threads, Work&& work, Deliver&& deliver,
                        std::vector<std::size_t> startOrder = {}) {
    if (startOrder.size() != count) {
        startOrder.resize(count);
        std::iota(startOrder.begin(), startOrder.end(), std::size_t{0});
    }
    threads = std::max(1u, std::min<unsigned>(threads, static_cast<unsigned>(std::max<std::size_t>(count, 1))));
    if (threads == 1) {
        for (std::size_t item = 0; item < count; ++item)
            if (!deliver(item, work(0u, item))) return;
        return;
    }

    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
        bool done = false;
    };
    std::vector<Slot> slots(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::size_t nextStart = 0;
    bool stopping = false;

    auto workerLoop = [&](unsigned worker) {
        for (;;) {
            std::size_t item;
            {
                std::lock_guard lock(mutex);
                if (stopping || nextStart == count) return;
                item = startOrder[nextStart++];
            }
            Slot finished;
            try {
                finished.result.emplace(work(worker, item));
            } catch (...) {
                finished.error = std::current_exception();
            }
            finished.done = true;
            {
                std::lock_guard lock(mutex);
                slots[item] = std::move(finished);
            }
            ready.notify_all();
        }
    };

    std::vector<std::jthread> pool;
    pool.reserve(threads);
    for (unsigned worker = 0; worker < threads; ++worker) pool.emplace_back(workerLoop, worker);

    std::exception_ptr error;
    for (std::size_t item = 0; item < count && !error; ++item) {
        Slot taken;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return slots[item].done; });
            taken = std::move(slots[item]);
        }
        bool goOn = false;
        if (taken.error) error = taken.error;
        else {
            try {
                goOn = deliver(item, std::move(*taken.result));
            } catch (...) {
                error = std::current_exception();
            }
        }
        if (!goOn) {
            std::lock_guard lock(mutex);
            stopping = true;
            break;
        }
    }
    pool.clear();  // joins the workers, which start nothing new once stopping is set
    if (error) std::rethrow_exception(error);
}

}  // namespace kavro
