// vorkkeli: a top-down driving toy. main reads as start-up, the frame loop
// and shutdown; loop.cpp and frame.cpp hold what a frame does.
#include "vorkkeli.h"

int main(int argc, char *argv[])
{
    (void)argc; // the game takes no options
    (void)argv;

    // Initialization
    static PlayState ps;
    if (start_up(ps) != 0)
        return 1;

    // Main loop: 60 tics a second (one a refresh of a display near 60 Hz),
    // each drawn when it will be shown, until Escape or the close request
    run_game_loop(ps);

    // De-initialization
    shut_down(ps);
    return 0;
}
