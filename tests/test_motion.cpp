// The motion model's worked examples, exact where the arithmetic pins them:
// float fields, double expressions, the wrap, and the grip / slide switches.
#include <gtest/gtest.h>

#include <cmath>

#include "support.h"

TEST(Motion, HeadingWrapsOnceEachWayButKeepsExactly360)
{
    struct Row { float heading; int pointer_x; double after, within; } rows[] = {
        {360.0f, 320, 360.0, 0}, {359.9f, 500, 0.39, 1e-4}, {0.2f, 0, 359.71, 1e-4}};
    for (const Row &row : rows) {
        PlayState ps = fresh_state();
        ps.heading = row.heading;
        step(ps, row.pointer_x);
        EXPECT_NEAR(ps.heading, row.after, row.within) << "from " << row.heading;
    }
}

// Steer 0.5 times a speed of exactly 3.0 is 1.5, which is not above 1.5:
// grip holds; from the next float up it slides.
TEST(Motion, GripSlidesOnlyAboveOneAndAHalf)
{
    float speed = 3.0f / 0.98f; // one that the decay turns into exactly 3.0
    while ((float)(speed * 0.98) > 3.0f)
        speed = std::nextafter(speed, 0.0f);
    for (DriveMode expected : {DRIVE_GRIP, DRIVE_SLIDE}) {
        PlayState ps = fresh_state();
        ps.speed = speed;
        step(ps, 500);
        EXPECT_EQ(ps.speed, expected == DRIVE_GRIP ? 3.0f : std::nextafter(3.0f, 4.0f));
        EXPECT_EQ(ps.drive_mode, expected);
        speed = std::nextafter(speed, 4.0f);
    }
}

// From speed 3.1 with the pointer held right the slide never ends: the car
// glides on one velocity while the body settles near 21.95 degrees. With the
// pointer centred after the fifth frame the same slide ends in frame 58.
TEST(Motion, SlideFromThreePointOneLastsOrEndsInFrame58)
{
    PlayState held = fresh_state();
    held.speed = 3.1f;
    step(held, 500);
    ASSERT_EQ(held.drive_mode, DRIVE_SLIDE);
    EXPECT_NEAR(held.vel_x, 0.0805, 5e-5);
    EXPECT_NEAR(held.vel_y, 3.0369, 5e-5);
    PlayState centred = held;
    for (int n = 2; n <= 2000; n++)
        step(held, 500);
    EXPECT_EQ(held.drive_mode, DRIVE_SLIDE);
    EXPECT_EQ(held.vel_x, centred.vel_x);
    EXPECT_EQ(held.vel_y, centred.vel_y);
    EXPECT_NEAR(held.heading, 21.95, 0.01);
    EXPECT_NEAR(held.yaw_rate, 0.5, 1e-5);
    int n = 1;
    while (centred.drive_mode == DRIVE_SLIDE && n < 200)
        step(centred, ++n <= 5 ? 500 : 320);
    EXPECT_EQ(n, 58);
}

// One slide frame at speed 0, so the heading stays put: the 1 % decay, the
// two pulls on the yaw rate and the exit window, whose ends are outside it.
TEST(Motion, SlideFrameRules)
{
    struct Row { float travel, heading; int pointer_x; float yaw; DriveMode mode; } rows[] = {
        {2.0f, 0.5f, 320, 1.01499999f, DRIVE_SLIDE},  // gap exactly 1.5
        {0.5f, 2.0f, 320, 0.965000033f, DRIVE_SLIDE}, // gap exactly -1.5
        {1.99f, 0.5f, 320, 1.01499999f, DRIVE_GRIP},  // gap just inside
        {5.0f, 5.0f, 320, 0.99000001f, DRIVE_GRIP},   // level: no pull
        {359.0f, 1.0f, 320, 1.01499999f, DRIVE_SLIDE}, // compared unwrapped
        // The target 28.655 - 0.5 x 360 / 6.28 lies just below the travel
        // heading 0; with 180 / pi in place of 360 / 6.28 it would lie above.
        {0.0f, 28.655f, 500, 0.995000005f, DRIVE_SLIDE},
    };
    for (const Row &row : rows) {
        PlayState ps = fresh_state();
        ps.drive_mode = DRIVE_SLIDE;
        ps.speed = 0.0f;
        ps.yaw_rate = 1.0f;
        ps.travel_heading = row.travel;
        ps.heading = row.heading;
        step(ps, row.pointer_x);
        EXPECT_EQ(ps.yaw_rate, row.yaw) << "travel " << row.travel << ", heading " << row.heading;
        EXPECT_EQ(ps.drive_mode, row.mode) << "travel " << row.travel << ", heading " << row.heading;
    }
}
