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

TEST(PeriodicTimer, ABrowsersSlowerPaceCatchesUpUpToItsLimit) {
    PeriodicTimer frame(10);
    frame.start(0);
    // Steps every 16 or 17 ms (60 a second) still give 100 frames a second.
    int frames = 0;
    for (std::uint32_t now = 16; now <= 1000; now += (now % 3 == 0 ? 17 : 16)) frames += frame.fireCount(now, 3);
    EXPECT_NEAR(frames, 99, 2);
    // A tab left in the background for a second is not made up in a burst.
    EXPECT_EQ(frame.fireCount(2000, 3), 3);
    EXPECT_EQ(frame.fireCount(2001, 3), 0);
    EXPECT_EQ(frame.waitFrom(2000, 100), 10u);
}

TEST(PeriodicTimer, WorksAcrossTheTickWrapAround) {
    PeriodicTimer clock(1000);
    clock.start(0xFFFFFE00u);
    EXPECT_FALSE(clock.fire(0xFFFFFFFFu));
    EXPECT_EQ(clock.waitFrom(0xFFFFFFFFu, 2000), 0x3E8u - 0x1FFu);
    EXPECT_TRUE(clock.fire(0x000001E8u));
}

}  // namespace glossamo::testing
