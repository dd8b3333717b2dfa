// The worked examples behind the golden frames: where the turned car lands,
// the spinning body's angle, and the piston's swing in the engine view.
#include <gtest/gtest.h>

#include <cmath>

#include "support.h"

// A 37 x 41 turned car with a 20 x 30 footprint at (100.7, 17.5) lands at
// (82, -2): -8 - 10 and -5 - 15 added, the sums truncated toward zero.
TEST(DrivingView, CarPlacementUsesIntegerHalvesAndTruncatesTowardZero)
{
    EXPECT_EQ(sprite_offset(37, 20), -18);
    EXPECT_EQ(sprite_offset(41, 30), -20);
    EXPECT_EQ(sprite_offset(36, 21), -17);
    EXPECT_EQ(sprite_offset(15, 20), -8); // a footprint wider than the box: 2 - 10

    reset_surfaces();
    volvo = solid(37, 41, 0xC82010);
    mopo = solid(20, 30, 0xFF00FF);
    PlayState ps = fresh_state();
    ps.pos_x = 100.7f;
    ps.pos_y = 17.5f;
    ps.sprite_angle = 0.0f;
    draw_driving_view(ps);
    struct { int x, y; Uint32 rgb; } pixels[] = {
        {82, 0, 0xC82010}, {81, 0, 0}, {118, 38, 0xC82010}, {119, 38, 0}, {118, 39, 0}};
    for (auto p : pixels)
        EXPECT_EQ(rgb_at(screen, p.x, p.y), p.rgb) << p.x << "," << p.y;
}

// In spin the body turns away from the heading by steer x 360 / 6.28 degrees.
TEST(DrivingView, SpinTurnsTheBodyBySteerTimes360Over628)
{
    PlayState ps = fresh_state();
    ps.sprite_angle = 12.0f;
    ps.heading = 10.0f;
    ps.steer = 0.5f;
    EXPECT_EQ(sprite_rotation(ps), -12.0);
    ps.drive_mode = DRIVE_SPIN;
    EXPECT_DOUBLE_EQ(sprite_rotation(ps), -38.662420382165607);
}

TEST(EngineView, PistonSwingsAsTheTableSays)
{
    struct Row { int n; double phase, offset; int y; } rows[] = {
        {1, 0.025, 0.0, 50},           {2, 0.05, 0.0249974, 50},
        {126, 3.150003, 79.99859, 129}, {251, 6.275015, 0.0056929, 50},
        {252, 6.300015, -0.0024774, 49}, {10000, 249.976, 31.78, 81}};
    PlayState ps = fresh_state();
    int n = 0;
    for (const Row &row : rows) {
        for (; n < row.n; n++)
            step_piston(ps);
        bool rough = n == 10000; // given to fewer places
        EXPECT_NEAR(ps.piston_phase, row.phase, rough ? 5e-4 : 5e-6) << "frame " << n;
        EXPECT_NEAR(ps.piston_offset, row.offset, rough ? 5e-3 : 5e-7 * std::fmax(1, std::fabs(row.offset)))
            << "frame " << n;
        EXPECT_EQ(piston_y(ps), row.y) << "frame " << n;
    }
    float low = 0, high = 0;
    for (; n < 1000000; n++) {
        step_piston(ps);
        low = std::fmin(low, ps.piston_offset);
        high = std::fmax(high, ps.piston_offset);
    }
    EXPECT_GT(low, -0.035f);
    EXPECT_LT(high, 80.45f);
}
