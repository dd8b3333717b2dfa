// The game's video edge on every platform: the display's own checks, the
// pointer put straight ahead, the switch between full screen and a window,
// and the flip.
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

// Full screen becomes a 640 x 480 window and back. The title stays, and the
// display surface is the same size, so nothing the game draws changes.
void i_switch_window()
{
    SDL_WM_ToggleFullScreen(screen);
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (shown)
        SDL_Flip(screen);
}
