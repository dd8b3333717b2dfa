// The motion model, bit for bit: float fields, double expressions, the order
// of the steps, the wrap, and the grip / slide / spin switches.
#include <gtest/gtest.h>

#include <cmath>

#include "support.h"

// One frame of controls and motion, as the game runs them.
static void frame(PlayState &ps, int pointer_x, std::initializer_list<int> held = {})
{
    controls_with(ps, pointer_x, held);
    step_motion(ps);
}

// A speed that the 0.98 decay turns into exactly `target`.
static float speed_decaying_to(float target)
{
    float guess = (float)(target / 0.98);
    for (int step = -4; step <= 4; step++) {
        float candidate = guess;
        for (int i = 0; i < std::abs(step); i++)
            candidate = std::nextafter(candidate, step < 0 ? 0.0f : 10.0f);
        if ((float)((double)candidate * 0.98) == target)
            return candidate;
    }
    ADD_FAILURE() << "no float decays to " << target;
    return 0;
}

TEST(Motion, OneFrameFromTheStartWithThePointerRight)
{
    PlayState ps = fresh_state();
    frame(ps, 500);
    EXPECT_EQ(ps.speed, 0.98f);
    EXPECT_EQ(ps.steer, 0.5f);
    EXPECT_EQ(ps.heading, 0.49f);
    EXPECT_NEAR(ps.vel_x, 0.0083810, 5e-8);
    EXPECT_NEAR(ps.vel_y, 0.9799642, 5e-8);
    EXPECT_NEAR(ps.pos_x, 320.00839, 5e-6);
    EXPECT_NEAR(ps.pos_y, 239.02003, 1e-5);
    EXPECT_EQ(ps.yaw_rate, 0.5f);
    EXPECT_EQ(ps.travel_heading, 0.49f);
    EXPECT_EQ(ps.sprite_angle, 0.49f);
    EXPECT_EQ(ps.drive_mode, DRIVE_GRIP);
    // Products rounded to float after a double expression, not computed in float.
    EXPECT_EQ(ps.vel_x, (float)(std::sin((double)0.49f / 57.29577950560105) * (double)0.98f));
}

TEST(Motion, HeadingWrapsOnceEachWayAndKeepsExactly360)
{
    PlayState ps = fresh_state();
    ps.heading = 360.0f;
    frame(ps, 320); // no turn
    EXPECT_EQ(ps.heading, 360.0f);

    ps = fresh_state();
    ps.heading = 359.9f;
    frame(ps, 500); // +0.49
    EXPECT_NEAR(ps.heading, 0.39, 1e-4);

    ps = fresh_state();
    ps.heading = 0.2f;
    frame(ps, 0); // -0.49
    EXPECT_NEAR(ps.heading, 359.71, 1e-4);

    ps = fresh_state();
    ps.speed = 0.0f;
    ps.heading = 42.0f;
    frame(ps, 500);
    EXPECT_EQ(ps.heading, 42.0f);
    EXPECT_EQ(ps.vel_x, 0.0f);
    EXPECT_EQ(ps.vel_y, 0.0f);
    EXPECT_EQ(ps.pos_x, 320.0f);
}

TEST(Motion, GripSlidesOnlyPastOneAndAHalf)
{
    PlayState ps = fresh_state();
    ps.speed = speed_decaying_to(3.0f);
    frame(ps, 500);
    EXPECT_EQ(ps.speed, 3.0f);
    EXPECT_EQ(ps.drive_mode, DRIVE_GRIP); // 0.5 x 3.0 is not above 1.5

    ps = fresh_state();
    ps.speed = speed_decaying_to(std::nextafter(3.0f, 4.0f));
    frame(ps, 500);
    EXPECT_EQ(ps.drive_mode, DRIVE_SLIDE);

    // Backwards: positive steer turns counter-clockwise and the car reverses.
    ps = fresh_state();
    ps.speed = -3.2f;
    ps.heading = 10.0f;
    frame(ps, 500);
    EXPECT_EQ(ps.drive_mode, DRIVE_SLIDE);
    EXPECT_LT(ps.heading, 10.0f);
    EXPECT_GT(ps.pos_y, 240.0f);
}

TEST(Motion, EngineViewFreezesTheHeadingAndEndsASlideNextFrame)
{
    PlayState ps = fresh_state();
    ps.speed = 3.1f;
    ps.heading = 30.0f;
    frame(ps, 500, {SDLK_F2});
    EXPECT_EQ(ps.heading, 30.0f);
    EXPECT_EQ(ps.speed, (float)(3.1f * 0.98));
    EXPECT_NE(ps.pos_x, 320.0f);
    EXPECT_EQ(ps.drive_mode, DRIVE_SLIDE);
    frame(ps, 500); // the gap is -steer, inside the window
    EXPECT_EQ(ps.drive_mode, DRIVE_GRIP);
}

TEST(Motion, SlideFromThreePointOneLastsOrEndsByItself)
{
    PlayState ps = fresh_state();
    ps.speed = 3.1f;
    frame(ps, 500);
    ASSERT_EQ(ps.drive_mode, DRIVE_SLIDE);
    EXPECT_NEAR(ps.vel_x, 0.0805, 5e-5);
    EXPECT_NEAR(ps.vel_y, 3.0369, 5e-5);
    const float vel_x = ps.vel_x, vel_y = ps.vel_y;
    PlayState ending = ps;

    for (int n = 2; n <= 2000; n++) {
        float x = ps.pos_x, y = ps.pos_y;
        frame(ps, 500);
        ASSERT_EQ(ps.drive_mode, DRIVE_SLIDE) << "frame " << n;
        ASSERT_EQ(ps.pos_x, (float)((double)x + vel_x));
        ASSERT_EQ(ps.pos_y, (float)((double)y - vel_y));
    }
    EXPECT_EQ(ps.vel_x, vel_x);
    EXPECT_NEAR(ps.yaw_rate, 0.5, 1e-5);
    EXPECT_NEAR(ps.heading, 21.95, 0.01);

    int ended = 0;
    for (int n = 2; n <= 200 && !ended; n++) {
        frame(ending, n <= 5 ? 500 : 320);
        if (ending.drive_mode == DRIVE_GRIP)
            ended = n;
    }
    EXPECT_EQ(ended, 58);
}

TEST(Motion, SlideComparesHeadingsUnwrappedAndSpinSteersAFrameLate)
{
    PlayState ps = fresh_state();
    ps.drive_mode = DRIVE_SLIDE;
    ps.speed = 0.0f;
    ps.travel_heading = 359.0f;
    ps.heading = 1.0f;
    frame(ps, 320);
    // Heading below travel (+0.01) and target below travel (+0.015).
    EXPECT_EQ(ps.yaw_rate, (float)((double)(float)(0.0 + 0.01) + 0.015));
    EXPECT_EQ(ps.drive_mode, DRIVE_SLIDE);

    ps = fresh_state();
    ps.drive_mode = DRIVE_SPIN;
    ps.heading = 90.0f;
    frame(ps, 320);
    frame(ps, 500); // yaw_rate was 0 from the centre frame
    EXPECT_EQ(ps.heading, 90.0f);
    EXPECT_EQ(ps.yaw_rate, 0.5f);
    EXPECT_EQ(ps.sprite_angle, 0.0f); // spin leaves it alone
    frame(ps, 500);
    EXPECT_GT(ps.heading, 90.0f);
    EXPECT_EQ(ps.drive_mode, DRIVE_SPIN);
}
