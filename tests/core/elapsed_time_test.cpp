#include <gtest/gtest.h>

#include "core/elapsed_time.h"

namespace kavro {
namespace {

TEST(FormatElapsed, HoursMinutesAndSecondsWithTwoDecimals) {
    EXPECT_EQ(formatElapsed(0, 83500), "00:01:23.50");
    EXPECT_EQ(formatElapsed(0, 3725000), "01:02:05.00");
    EXPECT_EQ(formatElapsed(1000, 1450), "00:00:00.45");  // under a second
    EXPECT_EQ(formatElapsed(0, 60000), "00:01:00.00");
    EXPECT_EQ(formatElapsed(0, 36000000), "10:00:00.00");
    // Only the difference counts, whatever the clock's origin.
    EXPECT_EQ(formatElapsed(5'000'000'000LL, 5'000'083'500LL), "00:01:23.50");
}

TEST(FormatElapsed, AClockThatWentBackReadsAsNoTime) {
    EXPECT_EQ(formatElapsed(2000, 1000), "00:00:00.00");
}

TEST(FormatElapsed, VeryLongRunsKeepCountingHours) {
    // 1,000 hours: more minutes than a 16-bit count holds.
    EXPECT_EQ(formatElapsed(0, 3'600'000'000LL).substr(0, 8), "1000:00:");
}

}  // namespace
}  // namespace kavro
