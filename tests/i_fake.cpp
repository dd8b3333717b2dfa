// The made-up machine under the game's own frame loop in the tests: a clock
// that moves only when told, a frame's work of a set cost, input that ends at
// a set time, and a display of any refresh period, present cost, wake-up
// jitter or queue of pictures.
#include <algorithm>

#include "support.h"

FakeMachine machine;

long long i_now_ns()
{
    return machine.now_ns;
}

void i_wait_until_ns(long long when_ns)
{
    machine.now_ns = std::max(machine.now_ns, when_ns);
}

bool i_read_controls(TicCmd &cmd)
{
    if (machine.now_ns >= machine.input_ends_ns || machine.steps == machine.input_steps)
        return false;
    if (machine.steps == machine.switch_step)
        machine.refresh_ns = machine.switch_refresh_ns;
    TicCmd sampled = machine.input;
    sampled.quit = cmd.quit; // the drain's outcome is the loop's own
    cmd = sampled;
    machine.sampled_ns = machine.now_ns;
    machine.now_ns += machine.frame_cost_ns + (machine.steps == machine.stall_step ? machine.stall_ns : 0);
    machine.steps++;
    return true;
}

static long long jitter()
{
    machine.seed = machine.seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return machine.jitter_ns > 0 ? (long long)((machine.seed >> 33) % (unsigned long long)(machine.jitter_ns + 1)) : 0;
}

static long long refresh_after(long long when_ns)
{
    return (when_ns / machine.refresh_ns + 1) * machine.refresh_ns;
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (!shown)
        return;
    machine.pictures++;
    machine.now_ns += machine.present_ns + (machine.pictures == 1 ? 30 * MS : 0); // the first sets the display up
    long long shows_at = machine.now_ns;
    if (machine.refresh_ns > 0 && machine.queue == 0) { // the flip returns on the refresh that shows it
        shows_at = refresh_after(machine.now_ns);
        machine.now_ns = shows_at + jitter() + (machine.pictures % 60 == 0 ? machine.late_ns : 0);
    } else if (machine.refresh_ns > 0) { // returns at once, unless the queue is full
        std::vector<long long> &waiting = machine.waiting; // each a refresh, one after another
        waiting.erase(waiting.begin(), std::upper_bound(waiting.begin(), waiting.end(), machine.now_ns));
        if (waiting.size() >= machine.queue)
            machine.now_ns = waiting.front() + jitter();
        shows_at = std::max(refresh_after(machine.now_ns), waiting.empty() ? 0 : waiting.back() + machine.refresh_ns);
        waiting.push_back(shows_at);
    }
    machine.latency_ns.push_back(shows_at - machine.sampled_ns);
}
