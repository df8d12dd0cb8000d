#include "platform/timer_schedule.hpp"

#include <gtest/gtest.h>

namespace glossamo::testing {

TEST(PeriodicTimer, FiresOncePerIntervalAndTellsHowLongToSleep) {
    PeriodicTimer frame(10);
    EXPECT_FALSE(frame.fire(0)) << "a stopped timer never fires";
    EXPECT_EQ(frame.waitFrom(0, 100), 100u);
    frame.start(0);
    EXPECT_EQ(frame.waitFrom(3, 100), 7u);
    EXPECT_FALSE(frame.fire(9));
    EXPECT_TRUE(frame.fire(10));
    EXPECT_FALSE(frame.fire(10));
    EXPECT_TRUE(frame.fire(21));
    EXPECT_EQ(frame.waitFrom(21, 100), 9u) << "the schedule keeps its own rhythm";
}

TEST(PeriodicTimer, LateLoopRestartsInsteadOfBursting) {
    PeriodicTimer blink(150);
    blink.start(0);
    EXPECT_TRUE(blink.fire(1000));
    EXPECT_FALSE(blink.fire(1001)) << "the missed periods are not made up";
    EXPECT_EQ(blink.waitFrom(1000, 500), 150u);
}

TEST(PeriodicTimer, WorksAcrossTheTickWrapAround) {
    PeriodicTimer clock(1000);
    clock.start(0xFFFFFE00u);
    EXPECT_FALSE(clock.fire(0xFFFFFFFFu));
    EXPECT_EQ(clock.waitFrom(0xFFFFFFFFu, 2000), 0x3E8u - 0x1FFu);
    EXPECT_TRUE(clock.fire(0x000001E8u));
}

}  // namespace glossamo::testing
