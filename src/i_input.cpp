// The game's input edge: the pointer put straight ahead at launch, then each
// frame's event drain (with Alt+Enter's switch between full screen and a
// window), and the key and mouse state, gathered into the frame's TicCmd,
// which VORKKELI_RECORD writes down for vorkkeli-replay.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "i_input.h"
#include "i_video.h"

// Where the pointer could not be put straight ahead, it reads as this until
// it first moves (-1: as it is).
static int pinned_x = -1;

// Puts the pointer where the game reads x as target, or, where it cannot be
// moved (a Wayland compositor refuses), reads it so until it first moves.
// SDL 1.2 on SDL2 may take the warp in the window's own pixels instead of
// through the letterbox of a larger screen, so the pointer is moved again by
// what the read-back says (a secant step, since the two scales differ)
// until it reads right.
static void put_pointer(int target, int y)
{
    // A Wayland compositor lets no client move the pointer, and SDL2 there
    // "moves" it by locking it in place, after which every motion reads as
    // x 0: so the pointer is not moved there at all.
    if (i_on_wayland()) {
        pinned_x = target;
        return;
    }
    int at = target, read = 0, last_at = 0, last_read = 0;
    for (int tries = 0; tries < 6; tries++) {
        SDL_WarpMouse((Uint16)at, (Uint16)y);
        SDL_PumpEvents();
        SDL_GetMouseState(&read, NULL);
        if (read == target) {
            pinned_x = -1;
            return;
        }
        int next = at + (target - read);
        if (tries > 0 && read != last_read)
            next = at + (int)((double)(target - read) * (at - last_at) / (read - last_read));
        last_at = at, last_read = read, at = next > 0 ? next : 0; // a warp takes no negative x
    }
    pinned_x = target;
}

void i_centre_pointer(int width, int height)
{
    put_pointer(width / 2, height / 2);
}

// Alt+Enter: full screen or a window. The steering must not jump, so the
// pointer is put back at the game x it had.
static void switch_window()
{
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    if (pinned_x >= 0)
        x = pinned_x;
    i_switch_window();
    put_pointer(x, y);
}

// With VORKKELI_RECORD naming a file, each tic's input is written to it as a
// line of vorkkeli-replay's script (MOUSE_X BUTTONS KEYS, Escape as key 27
// when the tic brings the quit request), flushed at once: replayed, the
// recording drives the car exactly as the player did, and a test reads in
// it the pointer x the game saw. A file that cannot be written is reported
// once, and the game plays on unrecorded.
static void record_tic(const TicCmd &cmd)
{
    static FILE *record = NULL;
    static bool opened = false;
    if (!opened) {
        opened = true;
        const char *path = getenv("VORKKELI_RECORD");
        if (path != NULL && *path != '\0' && (record = fopen(path, "w")) == NULL)
            fprintf(stderr, "Nauhoitusta ei voitu aloittaa %s: %s\n", path, strerror(errno));
    }
    if (record == NULL)
        return;
    fprintf(record, "%d %d ", cmd.pointer_x, cmd.buttons);
    const char *separator = "";
    for (int key = 0; key < SDLK_LAST; key++)
        if ((cmd.keys[key] && key != SDLK_ESCAPE) || (key == SDLK_ESCAPE && cmd.quit)) {
            fprintf(record, "%s%d", separator, key);
            separator = ",";
        }
    fprintf(record, "%s\n", *separator == '\0' ? "-" : "");
    fflush(record);
}

// Only Escape and the close request come from the queue; the keys that drive
// the car are read as states. Draining goes on after a quit request, so the
// whole queue is empty before the states are read: the drain brings SDL's key
// and mouse state up to date, so reading them first would lose a frame.
bool i_gather_tic(TicCmd &cmd)
{
    static SDL_Event event;
    cmd.quit = 0;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
            cmd.quit = 1;
        if (event.type == SDL_QUIT)
            cmd.quit = 1;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT))
            switch_window();
        // The compositor's word of where the pointer rests comes as motion
        // by nothing; the player's first move is motion by something.
        if (event.type == SDL_MOUSEMOTION && (event.motion.xrel != 0 || event.motion.yrel != 0))
            pinned_x = -1;
    }
    std::memcpy(cmd.keys, SDL_GetKeyState(NULL), sizeof cmd.keys);
    cmd.buttons = SDL_GetMouseState(&cmd.pointer_x, NULL); // the pointer's y is not used
    if (pinned_x >= 0)
        cmd.pointer_x = pinned_x;
    record_tic(cmd);
    return true;
}
