#include "widgets/tile_flight.hpp"

#include "support/program_fixture.hpp"

namespace glossamo::testing {

using TileFlightTest = ProgramFixture;

TEST_F(TileFlightTest, MovesInAStraightLineAndEndsExactlyOnTarget) {
    startFlight(s, {0, 0}, {100, 50}, 2, "MOT", 0);
    EXPECT_EQ(s.flight.duration, 500u);
    EXPECT_EQ(flightPosition(s.flight, platform.ticks()), (Point{0, 0}));
    EXPECT_EQ(flightPosition(s.flight, platform.ticks() + 250), (Point{50, 25}));
    EXPECT_EQ(flightPosition(s.flight, platform.ticks() + 499), (Point{99, 49})) << "truncates";
    EXPECT_EQ(flightPosition(s.flight, platform.ticks() + 500), (Point{100, 50}));
    EXPECT_EQ(flightPosition(s.flight, platform.ticks() + 9000), (Point{100, 50}));
}

TEST_F(TileFlightTest, SingleLettersFlyFromTheirTileCorner) {
    startFlight(s, {300, 200}, {100, 100}, 1, "A", 0x1FF);
    EXPECT_EQ(s.flight.startX, 270);
    EXPECT_EQ(s.flight.startY, 183);
    EXPECT_EQ(s.flight.targetX, 87);
    EXPECT_EQ(s.flight.targetY, 96);
    EXPECT_EQ(s.flight.flag, 0xFF);
    EXPECT_EQ(s.flight.active, 1);
}

TEST_F(TileFlightTest, FlightsAreSlowerOnTheTravelMap) {
    s.travel.mapShown = 1;
    startFlight(s, {0, 0}, {-100, 0}, 2, "X", 0);
    EXPECT_EQ(s.flight.duration, 2000u);
    EXPECT_EQ(flightPosition(s.flight, platform.ticks() + 1000), (Point{-50, 0}));
}

}  // namespace glossamo::testing
