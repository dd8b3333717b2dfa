// The game's own start-up, frame loop and shutdown on a made-up machine
// (i_fake.cpp): the window a player gets, the event drain, the turned car.
// SDL runs with its dummy drivers.
#include "support.h"

static void queue(int type, SDLKey key = SDLK_UNKNOWN)
{
    SDL_Event event = {};
    event.type = (Uint8)type;
    event.key.keysym.sym = key;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

TEST_F(Game, StartsFullScreenWithTheTitle)
{
    char *title = NULL;
    SDL_WM_GetCaption(&title, NULL);
    EXPECT_STREQ(title, "vorkkeli v. ~0,001 ^-^");
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    EXPECT_EQ(screen->format->BitsPerPixel, 32);
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);
}

// Events queued before a run of at most three frames: how many frames run.
// Only an Escape key-down or the close request quits, the frame that drains it
// is still run and shown, and the whole queue is drained each frame.
TEST_F(Game, TheEventDrain)
{
    struct Row { const char *events; std::vector<std::pair<int, SDLKey>> queued; long long frames; } rows[] = {
        {"nothing", {}, 3},
        {"Escape down", {{SDL_KEYDOWN, SDLK_ESCAPE}}, 1},
        {"Escape up", {{SDL_KEYUP, SDLK_ESCAPE}}, 3},
        {"other keys, the mouse", {{SDL_KEYDOWN, SDLK_a}, {SDL_KEYUP, SDLK_a}, {SDL_MOUSEMOTION, SDLK_UNKNOWN},
                                   {SDL_MOUSEBUTTONDOWN, SDLK_UNKNOWN}}, 3},
        {"close request", {{SDL_QUIT, SDLK_UNKNOWN}}, 1},
        {"Escape fourth of five", {{SDL_KEYDOWN, SDLK_a}, {SDL_KEYDOWN, SDLK_b}, {SDL_KEYDOWN, SDLK_c},
                                   {SDL_KEYDOWN, SDLK_ESCAPE}, {SDL_KEYDOWN, SDLK_d}}, 1},
    };
    for (const Row &row : rows) {
        ps.quit = 0;
        machine.steps = machine.pictures = 0;
        machine.input_steps = 3;
        drain_events(); // whatever SDL queued of its own
        for (auto &event : row.queued)
            queue(event.first, event.second);
        run_game_loop(ps);
        EXPECT_EQ(machine.steps, row.frames) << row.events;
        EXPECT_EQ(machine.pictures, row.frames) << row.events;
        EXPECT_EQ(ps.quit, row.frames == 1 ? 1 : 0) << row.events;
        SDL_Event left;
        EXPECT_EQ(SDL_PollEvent(&left), 0) << row.events << ": left in the queue";
    }
}

// The turned car keeps volvo's black transparent as alpha, whatever SDL 1.2
// would make of the copy's colour key: its corner (black, outside the car)
// has alpha 0, and its middle (the car's body) stays opaque.
TEST_F(Game, TheTurnedCarsBlackIsTransparent)
{
    machine.input_steps = 1;
    machine.input.pointer_x = 500;
    run_game_loop(ps);
    ASSERT_NE(vehicle_rotated, nullptr);
    const Uint32 *pixels = (const Uint32 *)vehicle_rotated->pixels, alpha = vehicle_rotated->format->Amask;
    EXPECT_EQ(pixels[0] & alpha, 0u); // the top left corner
    EXPECT_EQ(pixels[vehicle_rotated->h / 2 * vehicle_rotated->pitch / 4 + vehicle_rotated->w / 2] & alpha, alpha);
}
