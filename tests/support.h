// Helpers of the unit tests: a fresh play state, the game's own controls and
// motion run from given inputs, and the made-up machine the loop runs on.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <initializer_list>

#include "vorkkeli.h"

static const long long NS = 1000000000LL, MS = 1000000LL;

PlayState fresh_state();
// One frame of controls and motion with the pointer at x and these keys held.
void step(PlayState &ps, int pointer_x, std::initializer_list<int> held = {});

// What the loop's platform edge does in the tests (i_fake.cpp).
struct FakeMachine {
    long long now_ns;
    long long frame_cost_ns;  // a frame's work, between sampling and the flip
    long long stall_step, stall_ns; // the frame counted stall_step (from 0) takes this much more
    long long refresh_hz;     // a shown frame's flip waits for a refresh; 0: it does not
    long long present_ns;     // a shown frame's flip costs this much first
    long long input_ends_ns;  // the input ends once the clock reaches this
    long long input_steps;    // or after this many frames
    TicCmd input;             // what every frame samples
    long long steps, pictures;
};
extern FakeMachine machine;

#endif
