// The game's video edge on every platform: the display's own checks, the
// pointer put where the game reads it, and the flip.
#include "i_system.h"

// Puts the pointer where the game reads x at the centre. SDL 1.2 on SDL2 may
// take the warp in the window's own pixels instead of through the letterbox
// of a larger screen, so the pointer is moved again by what the read-back
// says (a secant step, since the two scales differ) until it reads right.
static void centre_pointer(int width, int height)
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
}

int i_display_ready(const PlayState &ps)
{
    if (i_check_display() != 0)
        return 1;
    // Until the pointer first moves, SDL may place it by a guess that ignores
    // the letterbox of a larger screen; put it at the centre, straight ahead.
    centre_pointer(ps.screen_width, ps.screen_height);
    return 0;
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (shown)
        SDL_Flip(screen);
}
