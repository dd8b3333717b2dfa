// The game's own start-up, frame loop and shutdown on a made-up machine
// (i_fake.cpp): the frame that brings a quit request, and the turned car's
// transparent black. SDL runs with its dummy drivers.
#include "driving_view.h"
#include "images.h"
#include "support.h"

// The frame whose input brings the quit request still runs and is shown,
// though it woke up too late to be, and none follows it; with none, the
// input's end ends the loop.
TEST_F(Game, TheFrameThatBringsAQuitRequestIsTheLast)
{
    struct Row { long long quit_step, frames; } rows[] = {{0, 1}, {2, 3}, {-1, 5}};
    for (const Row &row : rows) {
        ps.quit = 0;
        machine.steps = machine.pictures = 0;
        machine.input_steps = 5;
        machine.quit_step = machine.stall_step = row.quit_step;
        machine.stall_ns = 50 * MS;
        run_game_loop(ps);
        EXPECT_EQ(machine.steps, row.frames) << "quit in frame " << row.quit_step;
        EXPECT_EQ(machine.pictures, row.frames) << "quit in frame " << row.quit_step;
        EXPECT_EQ(ps.quit, row.quit_step >= 0 ? 1 : 0) << "quit in frame " << row.quit_step;
    }
}

// The turned car keeps volvo's black transparent as alpha, whatever SDL 1.2
// would make of the copy's colour key (this one honours it, so the golden
// frames would not show the box): its corner, black outside the car, has
// alpha 0, and its middle, the car's body, stays opaque.
TEST_F(Game, TheTurnedCarsBlackIsTransparent)
{
    machine.input_steps = 1;
    run_game_loop(ps);
    ASSERT_NE(vehicle_rotated, nullptr);
    const Uint32 *pixels = (const Uint32 *)vehicle_rotated->pixels, alpha = vehicle_rotated->format->Amask;
    EXPECT_EQ(pixels[0] & alpha, 0u);
    EXPECT_EQ(pixels[vehicle_rotated->h / 2 * vehicle_rotated->pitch / 4 + vehicle_rotated->w / 2] & alpha, alpha);
}

// Only exactly black turns transparent: a colour with one or two channels at
// zero, or a black only nearly black, keeps its pixel and its alpha.
TEST(Images, OnlyExactBlackTurnsTransparent)
{
    struct Row { Uint8 r, g, b, a; bool cleared; } rows[] = {
        {0, 0, 0, 255, true}, {0, 0, 0, 128, true}, {200, 0, 0, 255, false}, {0, 200, 0, 255, false},
        {0, 0, 200, 255, false}, {1, 0, 0, 255, false}, {0, 0, 1, 90, false}, {0, 1, 1, 255, false}};
    const int count = sizeof rows / sizeof rows[0];
    SDL_Surface *image = SDL_CreateRGBSurface(SDL_SWSURFACE, count, 1, 32, 0x00ff0000, 0x0000ff00, 0x000000ff,
                                              0xff000000);
    ASSERT_NE(image, nullptr);
    Uint32 *pixels = (Uint32 *)image->pixels;
    for (int i = 0; i < count; i++)
        pixels[i] = SDL_MapRGBA(image->format, rows[i].r, rows[i].g, rows[i].b, rows[i].a);
    std::vector<Uint32> before(pixels, pixels + count);
    make_black_transparent(image);
    for (int i = 0; i < count; i++)
        EXPECT_EQ(pixels[i], rows[i].cleared ? 0u : before[i])
            << "(" << +rows[i].r << ", " << +rows[i].g << ", " << +rows[i].b << ", " << +rows[i].a << ")";
    SDL_FreeSurface(image);
}
