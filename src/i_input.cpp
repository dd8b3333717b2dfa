// The game's input edge: the pointer put straight ahead at launch, then each
// frame's event drain, and the key and mouse state, gathered into the
// frame's TicCmd.
#include <cstring>

#include "i_system.h"

// Where the pointer could not be put straight ahead, it reads as this until
// it first moves (-1: as it is).
static int pinned_x = -1;

// Puts the pointer where the game reads x at the centre. SDL 1.2 on SDL2 may
// take the warp in the window's own pixels instead of through the letterbox
// of a larger screen, so the pointer is moved again by what the read-back
// says (a secant step, since the two scales differ) until it reads right.
void i_centre_pointer(int width, int height)
{
    int target = width / 2, at = target, read = 0, last_at = 0, last_read = 0;
    for (int tries = 0; tries < 6; tries++) {
        SDL_WarpMouse((Uint16)at, (Uint16)(height / 2));
        SDL_PumpEvents();
        SDL_GetMouseState(&read, NULL);
        if (read == target)
            return;
        int next = at + (target - read);
        if (tries > 0 && read != last_read)
            next = at + (int)((double)(target - read) * (at - last_at) / (read - last_read));
        last_at = at, last_read = read, at = next > 0 ? next : 0; // a warp takes no negative x
    }
    pinned_x = target; // a Wayland compositor refuses to move the pointer
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
        // The compositor's word of where the pointer rests comes as motion
        // by nothing; the player's first move is motion by something.
        if (event.type == SDL_MOUSEMOTION && (event.motion.xrel != 0 || event.motion.yrel != 0))
            pinned_x = -1;
    }
    std::memcpy(cmd.keys, SDL_GetKeyState(NULL), sizeof cmd.keys);
    cmd.buttons = SDL_GetMouseState(&cmd.pointer_x, NULL); // the pointer's y is not used
    if (pinned_x >= 0)
        cmd.pointer_x = pinned_x;
    return true;
}
