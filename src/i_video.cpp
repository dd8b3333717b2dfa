// The game's video edge on every platform: the display's own checks, the
// pointer put straight ahead, and the flip.
#include "i_system.h"

int i_display_ready(const PlayState &ps)
{
    if (i_check_display() != 0)
        return 1;
    // Until the pointer first moves, SDL may place it by a guess that ignores
    // the letterbox of a larger screen; put it at the centre, straight ahead.
    i_centre_pointer(ps.screen_width, ps.screen_height);
    return 0;
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (shown)
        SDL_Flip(screen);
}
