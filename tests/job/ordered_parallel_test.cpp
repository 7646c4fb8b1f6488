#include "job/ordered_parallel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kavro {
namespace {

// Early items take longest, so that later ones finish first and the delivery has to wait.
int slowFirst(std::size_t i, std::size_t count) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2 * (count - i)));
    return static_cast<int>(i * i);
}

TEST(OrderedParallel, DeliversEveryResultOnceInOrderWhateverTheThreadCount) {
    struct Case {
        std::size_t count;
        unsigned threads;
        bool lastStartedFirst;   // the items started in descending order
    };
    const Case cases[] = {{0, 4, false}, {1, 4, false}, {7, 1, false}, {7, 2, false},
                          {7, 3, false}, {3, 8, false}, {7, 2, true},  {7, 1, true}};
    for (const Case c : cases) {
        std::vector<std::size_t> startOrder;
        for (std::size_t i = 0; c.lastStartedFirst && i < c.count; ++i) startOrder.push_back(c.count - 1 - i);
        std::vector<std::size_t> order;
        std::vector<int> values;
        const auto caller = std::this_thread::get_id();
        runOrderedParallel<int>(
            c.count, c.threads, [&](std::size_t i) { return slowFirst(i, c.count); },
            [&](std::size_t i, int value) {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                order.push_back(i);
                values.push_back(value);
            },
            startOrder);
        std::vector<std::size_t> expected(c.count);
        for (std::size_t i = 0; i < c.count; ++i) expected[i] = i;
        EXPECT_EQ(order, expected) << c.count << " items on " << c.threads << " threads";
        for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(values[i], static_cast<int>(i * i));
    }
}

TEST(OrderedParallel, AFailedItemIsThrownAtItsTurnAfterTheItemsBeforeIt) {
    for (const unsigned threads : {1u, 3u}) {
        std::vector<std::size_t> delivered;
        EXPECT_THROW(runOrderedParallel<int>(
                         5, threads,
                         [](std::size_t i) {
                             if (i == 2) throw std::runtime_error("item 2");
                             return static_cast<int>(i);
                         },
                         [&](std::size_t i, int) { delivered.push_back(i); }),
                     std::runtime_error);
        EXPECT_EQ(delivered, (std::vector<std::size_t>{0, 1})) << threads << " threads";
    }
}

}  // namespace
}  // namespace kavro
