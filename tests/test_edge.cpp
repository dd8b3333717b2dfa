// The game's own platform edge (i_input.cpp, i_video.cpp) on SDL's dummy
// drivers: which queued events bring a quit request, and the whole queue
// drained each frame. (The full-screen window and the pointer straight
// ahead at launch are checked on a real X server, tests/e2e/game.sh.)
#include <utility>

#include "i_input.h"
#include "support.h"

typedef DummySdl Edge;

static void queue(int type, SDLKey key = SDLK_UNKNOWN)
{
    SDL_Event event = {};
    event.type = (Uint8)type;
    event.key.keysym.sym = key;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

// Only an Escape key-down or the close request quits, and the whole queue is
// drained whatever comes first.
TEST_F(Edge, TheEventDrain)
{
    struct Row { const char *events; std::vector<std::pair<int, SDLKey>> queued; int quit; } rows[] = {
        {"nothing", {}, 0},
        {"Escape down", {{SDL_KEYDOWN, SDLK_ESCAPE}}, 1},
        {"Escape up", {{SDL_KEYUP, SDLK_ESCAPE}}, 0},
        {"other keys, the mouse", {{SDL_KEYDOWN, SDLK_a}, {SDL_KEYUP, SDLK_a}, {SDL_MOUSEMOTION, SDLK_UNKNOWN},
                                   {SDL_MOUSEBUTTONDOWN, SDLK_UNKNOWN}}, 0},
        {"close request", {{SDL_QUIT, SDLK_UNKNOWN}}, 1},
        {"Escape fourth of five", {{SDL_KEYDOWN, SDLK_a}, {SDL_KEYDOWN, SDLK_b}, {SDL_KEYDOWN, SDLK_c},
                                   {SDL_KEYDOWN, SDLK_ESCAPE}, {SDL_KEYDOWN, SDLK_d}}, 1},
    };
    static TicCmd cmd;
    for (const Row &row : rows) {
        i_gather_tic(cmd); // whatever SDL queued of its own
        for (auto &event : row.queued)
            queue(event.first, event.second);
        cmd.quit = -1;
        EXPECT_TRUE(i_gather_tic(cmd)) << row.events;
        EXPECT_EQ(cmd.quit, row.quit) << row.events;
        SDL_Event left;
        EXPECT_EQ(SDL_PollEvent(&left), 0) << row.events << ": left in the queue";
    }
}
