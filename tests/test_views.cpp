// The two views on a real 640 x 480 x 32 screen with small made-up images:
// where the car lands, what is made and released, the marks, the piston.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support.h"

static const Uint32 CAR = 0xC82010;

static PlayState driving_state(float x, float y)
{
    PlayState ps = fresh_state();
    ps.pos_x = x;
    ps.pos_y = y;
    ps.sprite_angle = 0.0f;
    return ps;
}

TEST(DrivingView, PlacementUsesIntegerHalvesAndTruncatesTowardZero)
{
    EXPECT_EQ(sprite_offset(37, 20), -18);
    EXPECT_EQ(sprite_offset(41, 30), -20);
    EXPECT_EQ(sprite_offset(36, 21), -17); // not -18
    EXPECT_EQ(sprite_offset(15, 20), -8);  // Wm above Wr: 2 - 10

    reset_surfaces();
    volvo = solid(37, 41, 24, 0xC8, 0x20, 0x10);
    mopo = solid(20, 30, 24, 255, 0, 255);
    PlayState ps = driving_state(100.7f, 17.5f); // lands at (82, -2)
    draw_frame(ps);
    ASSERT_NE(nullptr, vehicle_rotated);
    EXPECT_EQ(vehicle_rotated->w, 37);
    EXPECT_EQ(vehicle_rotated->h, 41);
    EXPECT_EQ(rgb_at(screen, 82, 0), CAR);
    EXPECT_EQ(rgb_at(screen, 118, 38), CAR);
    EXPECT_EQ(rgb_at(screen, 81, 20), 0u);
    EXPECT_EQ(rgb_at(screen, 119, 20), 0u);
    EXPECT_EQ(rgb_at(screen, 100, 39), 0u);

    // 9.3 - 18 = -8.7 truncates to -8, so 29 columns show, not 28.
    ps = driving_state(9.3f, 100.0f);
    draw_frame(ps);
    EXPECT_EQ(rgb_at(screen, 28, 100), CAR);
    EXPECT_EQ(rgb_at(screen, 29, 100), 0u);
}

// With the car at the top left, the two translucent marks go over it.
TEST(DrivingView, MarksAreDrawnOverTheCar)
{
    reset_surfaces();
    volvo = solid(120, 120, 24, 0xC8, 0x20, 0x10);
    mopo = solid(120, 120, 24, 255, 0, 255);
    PlayState ps = driving_state(60.0f, 60.0f);
    draw_frame(ps);
    EXPECT_EQ(rgb_at(screen, 4, 5), CAR);
    Uint32 mark = rgb_at(screen, 5, 5);
    EXPECT_NE(mark, CAR);
    EXPECT_NEAR((int)(mark >> 16), (0xC8 + 72) / 2, 3); // about half way to (72, 63, 128)
    EXPECT_NEAR((int)(mark & 0xFF), (0x10 + 128) / 2, 3);
    Uint32 line = rgb_at(screen, 60, 60);
    EXPECT_NEAR((int)(line >> 16), 0xC8 * 0.4, 3); // 60 % black over the car
    EXPECT_EQ(rgb_at(screen, 61, 60), CAR);
    EXPECT_EQ(rgb_at(screen, 111, 111), CAR);
}

// Each driving frame makes one surface and releases the one before; an extra
// reference on each lets the test see which were released.
TEST(DrivingView, EachFrameMakesOneSurfaceAndReleasesThePreviousOne)
{
    reset_surfaces();
    volvo = solid(20, 40, 24, 0xC8, 0x20, 0x10);
    mopo = solid(20, 40, 24, 255, 0, 255);
    PlayState ps = driving_state(320.0f, 240.0f);
    std::vector<SDL_Surface *> made;
    for (int frame = 0; frame < 5; frame++) {
        ps.sprite_angle = 10.0f * frame;
        draw_frame(ps);
        ASSERT_NE(nullptr, vehicle_rotated);
        if (made.empty() || made.back() != vehicle_rotated) {
            vehicle_rotated->refcount++;
            made.push_back(vehicle_rotated);
        }
    }
    ASSERT_EQ(made.size(), 5u);
    for (size_t i = 0; i < made.size(); i++)
        EXPECT_EQ(made[i]->refcount, i + 1 < made.size() ? 1 : 2) << "surface " << i;

    // The engine view leaves the car and the track alone.
    laatta2 = solid(64, 64, 24, 0, 200, 0);
    ps.view_mode = VIEW_ENGINE;
    draw_frame(ps);
    EXPECT_EQ(vehicle_rotated, made.back());
    EXPECT_EQ(rgb_at(screen, 639, 0), 0u);
    EXPECT_EQ(rgb_at(screen, 320, 240), 0u);

    // Without mopo the car is skipped and the last surface stays valid.
    SDL_FreeSurface(mopo);
    mopo = NULL;
    ps.view_mode = VIEW_DRIVING;
    draw_frame(ps);
    EXPECT_EQ(vehicle_rotated, made.back());
    for (SDL_Surface *surface : made)
        SDL_FreeSurface(surface);
}

// The key on volvo must survive the turn: the corners of the turned box show
// the backdrop, not black.
TEST(DrivingView, TurnedCarHasNoBlackBox)
{
    reset_surfaces();
    kuva = solid(640, 480, 24, 0, 160, 0);
    volvo = solid(20, 40, 24, 0, 0, 0);
    SDL_Rect body = {2, 2, 16, 36};
    SDL_FillRect(volvo, &body, SDL_MapRGB(volvo->format, 0xC8, 0x20, 0x10));
    mopo = solid(20, 40, 24, 255, 0, 255);
    PlayState ps = driving_state(320.0f, 240.0f);
    ps.sprite_angle = 45.0f;
    draw_frame(ps);
    EXPECT_EQ(rgb_at(screen, 320, 240), CAR);
    int x0 = 320 + sprite_offset(vehicle_rotated->w, 20), y0 = 240 + sprite_offset(vehicle_rotated->h, 40);
    EXPECT_EQ(rgb_at(screen, x0 + 1, y0 + 1), 0x00A000u);
    EXPECT_EQ(rgb_at(screen, x0 + vehicle_rotated->w - 2, y0 + 1), 0x00A000u);
    EXPECT_EQ(rgb_at(screen, x0 + 1, y0 + vehicle_rotated->h - 2), 0x00A000u);
}

TEST(DrivingView, SpinTurnsTheBodyBySteeringOver628)
{
    PlayState ps = driving_state(0, 0);
    ps.sprite_angle = 12.0f;
    ps.heading = 10.0f;
    ps.steer = 0.5f;
    EXPECT_EQ(sprite_rotation(ps), -12.0);
    ps.drive_mode = DRIVE_SPIN;
    EXPECT_NEAR(sprite_rotation(ps), -10.0 - 180.0 / 6.28, 1e-12);
}

TEST(EngineView, PistonSwingMatchesTheTable)
{
    PlayState ps = fresh_state();
    struct Row { int n; double phase, offset; int y; };
    const Row rows[] = {{1, 0.025, 0.0, 50},           {2, 0.05, 0.0249974, 50},
                        {126, 3.150003, 79.99859, 129}, {251, 6.275015, 0.0056929, 50},
                        {252, 6.300015, -0.0024774, 49}, {10000, 249.976, 31.78, 81}};
    float low = 0, high = 0;
    int n = 0;
    for (const Row &row : rows) {
        while (n < row.n) {
            step_piston(ps);
            n++;
        }
        double places = row.n == 10000 ? 5e-3 : 5e-7 * std::fmax(1.0, std::fabs(row.offset));
        EXPECT_NEAR(ps.piston_phase, row.phase, row.n == 10000 ? 5e-3 : 5e-6) << "frame " << n;
        EXPECT_NEAR(ps.piston_offset, row.offset, places + 1e-7) << "frame " << n;
        EXPECT_EQ(piston_y(ps), row.y) << "frame " << n;
    }
    for (; n < 1000000; n++) {
        step_piston(ps);
        low = std::fmin(low, ps.piston_offset);
        high = std::fmax(high, ps.piston_offset);
    }
    EXPECT_GT(low, -0.035f);
    EXPECT_LT(high, 80.45f);
}

TEST(EngineView, DrawsThePistonAtItsPlaceWithMagentaLeftOut)
{
    reset_surfaces();
    piston = solid(102, 93, 24, 255, 0, 255);
    SDL_Rect inside = {1, 1, 100, 91};
    SDL_FillRect(piston, &inside, SDL_MapRGB(piston->format, 200, 200, 210));
    PlayState ps = fresh_state();
    ps.view_mode = VIEW_ENGINE;
    draw_frame(ps);
    EXPECT_EQ(rgb_at(screen, 270, 51), 0xC8C8D2u);
    EXPECT_EQ(rgb_at(screen, 369, 141), 0xC8C8D2u);
    EXPECT_EQ(rgb_at(screen, 269, 50), 0u); // magenta border keyed out
    EXPECT_EQ(rgb_at(screen, 268, 60), 0u);
    EXPECT_EQ(rgb_at(screen, 370, 142), 0u);
}
