// The made-up machine under the game's own frame loop in the tests: a clock
// that moves only when told, a frame's work of a set cost, input that ends at
// a set time, and a display of any refresh rate or present cost.
#include "support.h"

FakeMachine machine;

long long i_now_ns()
{
    return machine.now_ns;
}

void i_wait_until_ns(long long when_ns)
{
    if (when_ns > machine.now_ns)
        machine.now_ns = when_ns;
}

bool i_read_controls(TicCmd &cmd)
{
    if (machine.now_ns >= machine.input_ends_ns || machine.steps == machine.input_steps)
        return false;
    TicCmd sampled = machine.input;
    sampled.quit = cmd.quit; // the drain's outcome is the loop's own
    cmd = sampled;
    machine.now_ns += machine.frame_cost_ns + (machine.steps == machine.stall_step ? machine.stall_ns : 0);
    machine.steps++;
    return true;
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (!shown)
        return;
    machine.pictures++;
    machine.now_ns += machine.present_ns;
    if (machine.refresh_hz > 0) // the flip waits for the next refresh
        machine.now_ns = (machine.now_ns * machine.refresh_hz / NS + 1) * NS / machine.refresh_hz;
}
