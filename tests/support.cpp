// Helpers of the unit tests: a fresh play state, and the game's own controls
// and motion run from given inputs (none of it reaches SDL).
#include "support.h"

#include "controls.h"
#include "motion.h"

PlayState fresh_state()
{
    PlayState ps;
    init_play_state(ps);
    return ps;
}

void step(PlayState &ps, int pointer_x, std::initializer_list<int> held)
{
    TicCmd cmd = {0, pointer_x, 0, {}};
    for (int key : held)
        cmd.keys[key] = 1;
    apply_controls(ps, cmd);
    step_motion(ps);
}
