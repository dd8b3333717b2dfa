// Helpers of the unit tests: a fresh play state, and the game's own controls
// and motion run from given inputs.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <initializer_list>

#include "vorkkeli.h"

PlayState fresh_state();
// One frame of controls and motion with the pointer at x and these keys held.
void step(PlayState &ps, int pointer_x, std::initializer_list<int> held = {});

#endif
