// The game's input edge: each frame's event drain, then the key and mouse
// state, gathered into the frame's TicCmd.
#include <cstring>

#include "i_system.h"

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
    }
    std::memcpy(cmd.keys, SDL_GetKeyState(NULL), sizeof cmd.keys);
    cmd.buttons = SDL_GetMouseState(&cmd.pointer_x, NULL); // the pointer's y is not used
    return true;
}
