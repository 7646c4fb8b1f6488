// The ordered runner: results in item order whatever order the threads finish in, a stop that
// starts nothing more, and a worker's exception thrown on the caller's thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <numeric>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "core/ordered_parallel.h"

namespace kavro {
namespace {

TEST(OrderedParallel, DeliversInItemOrderOnAnyNumberOfThreads) {
    for (const unsigned threads : {1u, 2u, 4u, 16u}) {
        std::vector<int> delivered;
        std::set<unsigned> workersSeen;
        std::mutex seen;
        // Earlier items take longer, so that later ones finish first.
        runOrderedParallel<int>(
            12, threads,
            [&](unsigned worker, std::size_t item) {
                {
                    std::lock_guard lock(seen);
                    workersSeen.insert(worker);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(12 - item));
                return static_cast<int>(item * item);
            },
            [&](std::size_t item, int&& result) {
                EXPECT_EQ(result, static_cast<int>(item * item));
                delivered.push_back(static_cast<int>(item));
                return true;
            });
        std::vector<int> expected(12);
        std::iota(expected.begin(), expected.end(), 0);
        EXPECT_EQ(delivered, expected) << threads << " threads";
        EXPECT_LE(workersSeen.size(), threads);
        EXPECT_LT(*workersSeen.rbegin(), threads);
    }
}

TEST(OrderedParallel, StartOrderIsFollowedAndStopStartsNothingMore) {
    std::vector<std::size_t> started;
    std::mutex mutex;
    std::vector<std::size_t> delivered;
    runOrderedParallel<int>(
        5, 2,
        [&](unsigned, std::size_t item) {
            std::lock_guard lock(mutex);
            started.push_back(item);
            return 0;
        },
        [&](std::size_t item, int&&) {
            delivered.push_back(item);
            return true;
        },
        {4, 3, 2, 1, 0});
    ASSERT_EQ(started.size(), 5u);
    // A thread may finish its first item and start its next before the other thread has
    // started its first, so only this much of the start order shows in `started`: one of the
    // first two items of the order starts first, and the last starts after at least three others.
    EXPECT_TRUE(started[0] == 4 || started[0] == 3) << started[0];
    EXPECT_GE(std::find(started.begin(), started.end(), 0u) - started.begin(), 3);
    EXPECT_EQ(delivered, (std::vector<std::size_t>{0, 1, 2, 3, 4}));

    std::atomic<int> runs = 0;
    delivered.clear();
    runOrderedParallel<int>(
        200, 2,
        [&](unsigned, std::size_t) {
            ++runs;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            return 0;
        },
        [&](std::size_t item, int&&) {
            delivered.push_back(item);
            return item < 2;
        });
    EXPECT_EQ(delivered, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_LT(runs.load(), 200);
}

TEST(OrderedParallel, AWorkersExceptionReachesTheCaller) {
    std::vector<std::size_t> delivered;
    EXPECT_THROW(runOrderedParallel<int>(
                     6, 3,
                     [](unsigned, std::size_t item) {
                         if (item == 3) throw std::runtime_error("bad file");
                         return 1;
                     },
                     [&](std::size_t item, int&&) {
                         delivered.push_back(item);
                         return true;
                     }),
                 std::runtime_error);
    EXPECT_EQ(delivered, (std::vector<std::size_t>{0, 1, 2}));
}

}  // namespace
}  // namespace kavro
