// The surface drawn into windows of several sizes, and the pointer mapped
// back onto it.
#include "platform/window_scaling.hpp"

#include <gtest/gtest.h>

namespace glossamo::testing {

namespace {
void expectArea(const WindowArea& a, int x, int y, int width, int height) {
    EXPECT_EQ(a.x, x);
    EXPECT_EQ(a.y, y);
    EXPECT_EQ(a.width, width);
    EXPECT_EQ(a.height, height);
}
void expectPoint(const SurfacePoint& p, int x, int y) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
}
}  // namespace

TEST(WindowScaling, TheSurfaceKeepsItsProportionsBetweenBlackBars) {
    expectArea(surfaceArea(800, 600), 0, 0, 800, 600);
    expectArea(surfaceArea(1000, 600), 100, 0, 800, 600);   // bars left and right
    expectArea(surfaceArea(800, 900), 0, 150, 800, 600);    // bars above and below
    expectArea(surfaceArea(1920, 1080), 240, 0, 1440, 1080);
    expectArea(surfaceArea(1024, 768), 0, 0, 1024, 768);
    expectArea(surfaceArea(0, 0), 0, 0, 800, 600);          // a window not yet sized
}

TEST(WindowScaling, ThePointerLandsOnTheSamePointOfTheSurfaceAtEverySize) {
    expectPoint(windowToSurface(500, 300, 1000, 600), 400, 300);
    expectPoint(windowToSurface(400, 450, 800, 900), 400, 300);
    expectPoint(windowToSurface(960, 540, 1920, 1080), 400, 300);
    expectPoint(windowToSurface(1599, 1199, 1600, 1200), 799, 599);
    expectPoint(windowToSurface(0, 0, 1600, 1200), 0, 0);
    expectPoint(windowToSurface(123, 456, 800, 600), 123, 456);
    // The bars belong to the nearest edge; points outside the window too.
    expectPoint(windowToSurface(50, 300, 1000, 600), 0, 300);
    expectPoint(windowToSurface(950, 300, 1000, 600), 799, 300);
    expectPoint(windowToSurface(400, 10, 800, 900), 400, 0);
    expectPoint(windowToSurface(-20, 2000, 800, 600), 0, 599);
}

}  // namespace glossamo::testing
