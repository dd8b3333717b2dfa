// The made-up machine under the game's own frame loop in the tests: a clock
// that moves only when told and a CPU clock that moves only with the game's
// work, a tic's work of a set or varying cost, tics preempted by other work,
// a picture's drawing of another cost, input that ends at a set time, and a
// display of any refresh period, present cost, wake-up jitter or queue of
// pictures, or a page's animation frames.
#include <algorithm>

#include "i_input.h"
#include "i_system.h"
#include "i_timer.h"
#include "i_video.h"
#include "pacer.h"
#include "support.h"

FakeMachine machine;

// Linked with --wrap=SDL_FillRect: the game clears the whole screen once for
// each picture it draws, and there the machine charges the drawing.
extern "C" int __real_SDL_FillRect(SDL_Surface *dst, SDL_Rect *rect, Uint32 colour);
extern "C" int __wrap_SDL_FillRect(SDL_Surface *dst, SDL_Rect *rect, Uint32 colour)
{
    if (dst == screen && rect == NULL) {
        machine.drawn++;
        machine.now_ns += machine.draw_ns;
        machine.cpu_ns += machine.draw_ns;
    }
    return __real_SDL_FillRect(dst, rect, colour);
}

// Linked with --wrap for pacer_frame_done (by its mangled name): after each
// frame the machine counts the frames the pacer spent locked to the display,
// and notes when it last became locked.
extern "C" void __real__Z16pacer_frame_doneR10FramePacerbxx(FramePacer &, bool, long long, long long);
extern "C" void __wrap__Z16pacer_frame_doneR10FramePacerbxx(FramePacer &pacer, bool shown, long long drawn_ns,
                                                            long long returned_ns)
{
    __real__Z16pacer_frame_doneR10FramePacerbxx(pacer, shown, drawn_ns, returned_ns);
    bool locked = pacer.mode == PACE_LOCKED;
    if (locked && !machine.locked_now)
        machine.lock_found_ns = machine.now_ns;
    machine.locked_now = locked;
    machine.locked += locked;
}

static unsigned long long next_random()
{
    machine.seed = machine.seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return machine.seed >> 33;
}

static long long jitter()
{
    return machine.jitter_ns > 0 ? (long long)(next_random() % (unsigned long long)(machine.jitter_ns + 1)) : 0;
}

// Varied, a tic costs its work plus up to 0.4 ms more, and one tic in 25
// another 1.5 ms: a tail above the 95th percentile, as a real frame's has.
static long long work()
{
    long long extra = 0;
    if (machine.varied)
        extra = (long long)(next_random() % (400 * US)) + (machine.steps % 25 == 24 ? 1500 * US : 0);
    return machine.work_ns + extra;
}

// One tic in four, at random, waits for the CPU while it runs, up to the
// machine's preemption: time passes that the game's CPU clock does not count.
static long long preempted()
{
    if (machine.preempt_ns == 0 || next_random() % 4 != 0)
        return 0;
    return (long long)(next_random() % (unsigned long long)(machine.preempt_ns + 1));
}

void i_init_system() {}

long long i_now_ns()
{
    return machine.now_ns;
}

long long i_cpu_ns()
{
    return machine.cpu_ns;
}

// The frame counted stall_step wakes up that much late, as a stopped or
// starved process does; a page's timers, as its animation frames, wake up
// to the jitter late.
void i_wait_until_ns(long long when_ns)
{
    bool sleeps = when_ns > machine.now_ns;
    machine.now_ns = std::max(machine.now_ns, when_ns) + (machine.steps == machine.stall_step ? machine.stall_ns : 0) +
                     (machine.page && sleeps ? jitter() : 0);
    machine.slept = machine.slept || sleeps;
}

// The surface as the game asks for it, on SDL's dummy driver.
SDL_Surface *i_open_screen(const char *, int width, int height)
{
    return SDL_SetVideoMode(width, height, 32, SDL_FULLSCREEN | SDL_DOUBLEBUF | SDL_HWSURFACE);
}

bool i_gather_tic(TicCmd &cmd)
{
    if (machine.now_ns >= machine.input_ends_ns || machine.steps == machine.input_steps)
        return false;
    if (machine.steps == machine.switch_step)
        machine.refresh_ns = machine.switch_refresh_ns;
    cmd = machine.input;
    cmd.quit = machine.steps == machine.quit_step;
    machine.sampled_ns = machine.now_ns;
    long long own = work();
    machine.cpu_ns += own;
    machine.now_ns += own + preempted();
    machine.steps++;
    return true;
}

// Once a second, at the 20th picture, the 80th..., a flip is late_ns later.
static bool late_picture()
{
    return machine.pictures % 60 == 20;
}

static long long refresh_after(long long when_ns)
{
    return (when_ns / machine.refresh_ns + 1) * machine.refresh_ns;
}

bool i_animation_frames()
{
    return machine.page;
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (!shown) {
        machine.most_unshown = std::max(machine.most_unshown, ++machine.unshown_run);
        return;
    }
    machine.unshown_run = 0;
    machine.pictures++;
    machine.now_ns += machine.present_ns + (machine.pictures == 1 ? 30 * MS : 0); // the first sets the display up
    long long shows_at = machine.now_ns;
    if (machine.refresh_ns == 0 && late_picture()) // a flip that does not wait, now and then slow
        machine.now_ns += machine.late_ns, shows_at = machine.now_ns;
    if (machine.page) { // the next animation frame wakes the game; a picture drawn in the callbacks of
                        // the frame that woke it is painted there, else in the next; painted, it shows a
                        // refresh later
        long long next = refresh_after(machine.now_ns);
        bool in_callbacks = !machine.slept && machine.woke_refresh > 0;
        shows_at = (in_callbacks ? machine.woke_refresh : next) + machine.refresh_ns;
        machine.now_ns = next + jitter() + (late_picture() ? machine.late_ns : 0);
        machine.woke_refresh = next;
        machine.slept = false;
    } else if (machine.refresh_ns > 0 && machine.queue == 0) { // the flip returns on the refresh that shows it
        shows_at = refresh_after(machine.now_ns);
        machine.now_ns = shows_at + jitter() + (late_picture() ? machine.late_ns : 0);
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
