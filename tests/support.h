// Helpers of the unit tests: a fresh play state, the game's own controls and
// motion run from given inputs, and the made-up machine the loop runs on.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "vorkkeli.h"

static const long long NS = 1000000000LL, MS = 1000000LL, US = 1000LL;

PlayState fresh_state();
// One frame of controls and motion with the pointer at x and these keys held.
void step(PlayState &ps, int pointer_x, std::initializer_list<int> held = {});

// What the loop's platform edge does in the tests (i_fake.cpp). The display
// refreshes at every multiple of refresh_ns from time 0.
struct FakeMachine {
    long long now_ns;
    long long cpu_ns;               // the game's CPU time: its tics' work and its drawing
    long long work_ns;              // a tic's work, from sampling its input, at least; see i_fake.cpp
    bool varied;                    // the work varies from tic to tic as a real tic's does
    long long preempt_ns;           // one tic in four is kept off the CPU up to this long while it runs
    long long draw_ns;              // drawing a picture costs this much
    long long stall_step, stall_ns; // the frame counted stall_step (from 0) wakes up this much late
    long long refresh_ns;           // the refresh period; 0: flips do not wait
    long long present_ns;           // a shown frame's flip costs this much before it waits
    long long jitter_ns;            // a waiting flip wakes up to this much after the refresh
    long long late_ns;              // and every sixtieth (the 20th, 80th...) this much later still
                                    // (where flips do not wait, that flip takes this much longer)
    unsigned long long seed;        // of the jitter and the work, so each test sees the same
    size_t queue;                   // flips return at once until this many pictures wait; 0: each waits
    bool page;                      // a page's animation frames: see i_fake.cpp
    bool slept;                     // the game has waited since its flip returned
    long long woke_refresh;         // the refresh at which the latest flip returned
    long long switch_step, switch_refresh_ns; // from this step on the display refreshes so
    long long input_ends_ns;        // the input ends once the clock reaches this
    long long input_steps;          // or after this many frames
    long long quit_step;            // the frame whose input brings a quit request
    TicCmd input;                   // what every frame samples
    long long steps, drawn, pictures;
    long long locked;               // frames after which the pacer was locked to the display
    bool locked_now;                // after the latest frame
    long long lock_found_ns;        // when the pacer last became locked
    long long unshown_run, most_unshown; // steps left unshown in a row: now, and the most
    long long sampled_ns;
    std::vector<long long> waiting;    // queued pictures' refreshes
    std::vector<long long> latency_ns; // each shown step: sampling to the refresh that shows it
};
extern FakeMachine machine;

// The game's own start-up and shutdown on SDL's dummy drivers.
class DummySdl : public testing::Test {
protected:
    PlayState ps;
    void SetUp() override
    {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(start_up(ps), 0);
    }
    void TearDown() override { shut_down(ps); }
};

// On a made-up machine that runs ten seconds of frames of 2 ms with the
// pointer straight ahead.
class Game : public DummySdl {
protected:
    void SetUp() override
    {
        machine = FakeMachine();
        machine.work_ns = 2 * MS;
        machine.input_ends_ns = 10 * NS;
        machine.input_steps = machine.stall_step = machine.switch_step = machine.quit_step = -1;
        machine.input.pointer_x = SCREEN_CENTRE_X;
        DummySdl::SetUp();
    }
};

#endif
