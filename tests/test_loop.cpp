// The game's own start-up, frame loop and shutdown on a made-up machine
// (i_fake.cpp): steps and pictures on made-up displays, the event drain, and
// the window a player gets. SDL runs with its dummy drivers.
#include "support.h"

static void queue(int type, SDLKey key = SDLK_UNKNOWN)
{
    SDL_Event event = {};
    event.type = (Uint8)type;
    event.key.keysym.sym = key;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

TEST_F(Game, StartsFullScreenWithTheTitleAndThePointerAtTheCentre)
{
    char *title = NULL;
    SDL_WM_GetCaption(&title, NULL);
    EXPECT_STREQ(title, "vorkkeli v. ~0,001 ^-^");
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    EXPECT_EQ(screen->format->BitsPerPixel, 32);
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);
}

// Ten made-up seconds on each display not near 60 Hz: 600 steps whatever it
// does, every picture shown that is ready in time, none of those that are not.
TEST_F(Game, SixtyStepsASecondOnEveryDisplay)
{
    struct Row { const char *display; long long hz, present_ns, pictures; } rows[] = {
        {"no vsync", 0, 0, 600}, {"144 Hz", 144, 0, 600},
        {"240 Hz", 240, 0, 600}, {"48 Hz", 48, 0, 480}, {"slow present", 0, NS / 48, 423},
    };
    for (const Row &row : rows) {
        machine.now_ns = machine.steps = machine.pictures = 0;
        machine.refresh_ns = row.hz > 0 ? NS / row.hz : 0;
        machine.present_ns = row.present_ns;
        run_game_loop(ps);
        EXPECT_EQ(machine.steps, 600) << row.display;
        EXPECT_EQ(machine.pictures, row.pictures) << row.display;
    }
}

// The eleventh frame takes 250 ms more: it is not shown, and the schedule
// starts again after it (35 more frames in the second) instead of running
// the missed frames in a burst.
TEST_F(Game, AStallRestartsTheSchedule)
{
    machine.input_ends_ns = 1 * NS;
    machine.stall_step = 10;
    machine.stall_ns = 250 * MS;
    run_game_loop(ps);
    EXPECT_EQ(machine.steps, 11 + 35);
    EXPECT_EQ(machine.pictures, 10 + 35);
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

// The frame a quit arrives in still runs its controls and motion.
TEST_F(Game, TheQuittingFrameStillSteps)
{
    machine.input.pointer_x = 500;
    queue(SDL_KEYDOWN, SDLK_ESCAPE);
    run_game_loop(ps);
    EXPECT_EQ(ps.steer, 0.5f);
    EXPECT_EQ(ps.heading, 0.49f);
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
    auto alpha = [](int x, int y) {
        Uint32 pixel = ((Uint32 *)((Uint8 *)vehicle_rotated->pixels + y * vehicle_rotated->pitch))[x];
        Uint8 r, g, b, a;
        SDL_GetRGBA(pixel, vehicle_rotated->format, &r, &g, &b, &a);
        return a;
    };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(vehicle_rotated->w / 2, vehicle_rotated->h / 2), 255);
}
