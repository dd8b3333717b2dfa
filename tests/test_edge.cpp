// The game's own platform edge (i_system_posix.cpp, i_input.cpp, i_video.cpp)
// on SDL's dummy drivers: the vsync request, which queued events bring a quit
// request or switch to a window, and the whole queue drained each frame. (The
// full-screen window and the pointer straight ahead at launch are checked on
// a real X server, tests/e2e/game.sh.)
#include <cstdlib>
#include <string>
#include <utility>

#include "i_input.h"
#include "i_system.h"
#include "support.h"

typedef DummySdl Edge;

static void queue(int type, SDLKey key = SDLK_UNKNOWN, SDLMod mod = KMOD_NONE)
{
    SDL_Event event = {};
    event.type = (Uint8)type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
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
        i_gather_tic(cmd);
        EXPECT_EQ(cmd.quit, row.quit) << row.events;
        SDL_Event left;
        EXPECT_EQ(SDL_PollEvent(&left), 0) << row.events << ": left in the queue";
    }
}

// Enter switches between full screen and a window only with Alt held.
TEST_F(Edge, OnlyAltEnterSwitchesToAWindow)
{
    struct Row { const char *keys; SDLMod mod; bool switches; } rows[] = {
        {"Enter", KMOD_NONE, false}, {"Alt+Enter", KMOD_LALT, true}, {"Ctrl+Enter", KMOD_LCTRL, false},
        {"Alt+Enter again", KMOD_RALT, true}};
    static TicCmd cmd;
    for (const Row &row : rows) {
        i_gather_tic(cmd);
        Uint32 before = SDL_GetVideoSurface()->flags & SDL_FULLSCREEN;
        queue(SDL_KEYDOWN, SDLK_RETURN, row.mod);
        i_gather_tic(cmd);
        Uint32 after = SDL_GetVideoSurface()->flags & SDL_FULLSCREEN;
        EXPECT_EQ(after != before, row.switches) << row.keys;
    }
}

// The game asks SDL to wait for the display's refresh, unless the user has
// set the variable: then the user's value stands.
TEST(System, TheUsersOwnVsyncSettingWins)
{
    const char *name = "SDL12COMPAT_SYNC_TO_VBLANK";
    struct Row { const char *users; const char *then; } rows[] = {{NULL, "1"}, {"0", "0"}, {"1", "1"}};
    for (const Row &row : rows) {
        if (row.users != NULL)
            setenv(name, row.users, 1);
        else
            unsetenv(name);
        i_init_system();
        const char *value = getenv(name);
        EXPECT_EQ(std::string(value != NULL ? value : "(unset)"), row.then) << (row.users ? row.users : "unset");
    }
    unsetenv(name);
}
