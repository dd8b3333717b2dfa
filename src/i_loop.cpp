// The game's platform edge under the frame loop: the key and mouse state, and
// the flip (i_timer.cpp has the clock). Tests and tools link their own.
#include <cstring>

#include "vorkkeli.h"

// The pointer's y comes with the query but nothing uses it.
bool i_read_controls(TicCmd &cmd)
{
    std::memcpy(cmd.keys, SDL_GetKeyState(NULL), sizeof cmd.keys);
    cmd.buttons = SDL_GetMouseState(&cmd.pointer_x, NULL) & 0xFF;
    return true;
}

void i_finish_frame(const PlayState &ps, bool shown)
{
    (void)ps;
    if (shown)
        SDL_Flip(screen);
}
