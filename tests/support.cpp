// Helpers of the unit tests: a fresh play state, and the game's own controls
// and motion run from given inputs (none of it reaches SDL).
#include "support.h"

PlayState fresh_state()
{
    PlayState ps;
    init_play_state(ps);
    return ps;
}

void step(PlayState &ps, int pointer_x, std::initializer_list<int> held)
{
    Uint8 keys[SDLK_LAST] = {};
    for (int key : held)
        keys[key] = 1;
    act_on_controls(ps, keys, pointer_x, 0);
    step_motion(ps);
}
