// A preload library for measuring the real game's pacing: SDL_Flip becomes a
// made-up display. FAKE_DISPLAY_HZ refreshes a second (fractions allowed; 0 or
// unset: a flip that does not wait), a present that costs FAKE_DISPLAY_PRESENT_US
// first, up to FAKE_DISPLAY_JITTER_US of wake-up lateness, and with
// FAKE_DISPLAY_QUEUE=N a flip that returns at once until N pictures wait.
// FAKE_DISPLAY_NO_COPY=1 leaves out SDL's own flip (on Xvfb a software copy
// of 5 to 10 ms), as on a desktop whose present is cheap.
// Steps are counted at each frame's key-state query; for each newly pressed Up
// the refresh that first shows it is logged to FAKE_DISPLAY_LOG. Rates and CPU
// use are reported between the first and the last step, with the key-state
// reads that came before the event queue was drained (each a frame more of
// delay), the most steps in a row left unshown, the steps counted and the
// seconds between the first and the last (on the display's own clock, which
// is not the game's), and the median time from each frame's read of the keys to the
// refresh that shows it ("sampled"). FAKE_DISPLAY_STEPS=N sends the game the
// close request (SIGTERM) after N steps; FAKE_DISPLAY_WORK_US adds that much
// busy work to each step (at its read of the keys), as a slow machine's, and
// FAKE_DISPLAY_DRAW_US to each picture drawn (at the screen's clear that
// starts it), as slow drawing's.
#include <dlfcn.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <vector>

#include <cerrno>
#include <ctime>

#include "vorkkeli.h"

// The display's own clock and sleep, not the game's: the game's clock is
// among what is measured, and its rate is judged against this one.
static long long clock_ns()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

static void sleep_until_ns(long long when_ns)
{
    timespec until = {(time_t)(when_ns / 1000000000LL), (long)(when_ns % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, NULL) == EINTR) {
    }
}

static const long long start_ns = clock_ns(); // the refreshes count from here
static long long first_step_ns, last_step_ns, steps, flips, first_cpu_ns, last_cpu_ns, flip_cpu_ns;
static long long early_reads, read_ns, unflipped, most_unshown; // unflipped: steps since the last flip
static std::vector<long long> sampled_ns; // each shown frame: its key read to its refresh
static bool up_was_down, up_unshown, drained;

static double setting(const char *name)
{
    const char *value = getenv(name);
    return value != NULL ? atof(value) : 0.0;
}

static long long cpu_ns()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000000LL +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1000LL;
}

extern "C" int SDL_PollEvent(SDL_Event *event)
{
    static auto real = (int (*)(SDL_Event *))dlsym(RTLD_NEXT, "SDL_PollEvent");
    int result = real(event);
    drained = result == 0;
    return result;
}

extern "C" Uint8 *SDL_GetKeyState(int *numkeys)
{
    static auto real = (Uint8 * (*)(int *)) dlsym(RTLD_NEXT, "SDL_GetKeyState");
    static const long long end_steps = (long long)setting("FAKE_DISPLAY_STEPS");
    Uint8 *keys = real(numkeys);
    early_reads += !drained;
    drained = false;
    read_ns = clock_ns();
    static const long long work_ns = (long long)(setting("FAKE_DISPLAY_WORK_US") * 1000);
    while (clock_ns() - read_ns < work_ns) { // busy, as a slow machine is
    }
    if (steps + 1 == end_steps)
        kill(getpid(), SIGTERM);
    last_step_ns = clock_ns();
    last_cpu_ns = cpu_ns();
    if (steps++ == 0)
        first_step_ns = last_step_ns, first_cpu_ns = last_cpu_ns;
    unflipped++;
    up_unshown = up_unshown || (keys[SDLK_UP] && !up_was_down);
    up_was_down = keys[SDLK_UP];
    return keys;
}

extern "C" int SDL_FillRect(SDL_Surface *dst, SDL_Rect *rect, Uint32 colour)
{
    static auto real = (int (*)(SDL_Surface *, SDL_Rect *, Uint32))dlsym(RTLD_NEXT, "SDL_FillRect");
    static const long long draw_ns = (long long)(setting("FAKE_DISPLAY_DRAW_US") * 1000);
    if (rect == NULL && dst == SDL_GetVideoSurface()) {
        long long from = clock_ns();
        while (clock_ns() - from < draw_ns) { // busy, as slow drawing is
        }
    }
    return real(dst, rect, colour);
}

static long long refresh_after(long long when_ns, double period_ns)
{
    return start_ns + (long long)((std::floor((when_ns - start_ns) / period_ns) + 1) * period_ns);
}

// Returns when the picture is first on the glass.
static long long present(double hz, size_t queue)
{
    static std::deque<long long> waiting; // queued pictures' refreshes
    long long jitter = (long long)setting("FAKE_DISPLAY_JITTER_US") * 1000;
    long long late = jitter > 0 ? rand() % jitter : 0;
    if (setting("FAKE_DISPLAY_PRESENT_US") > 0)
        sleep_until_ns(clock_ns() + (long long)(setting("FAKE_DISPLAY_PRESENT_US") * 1000));
    if (hz <= 0)
        return clock_ns();
    double period = 1e9 / hz;
    if (queue == 0) { // the flip waits for the refresh that shows the picture
        long long shows = refresh_after(clock_ns(), period);
        sleep_until_ns(shows + late);
        return shows;
    }
    while (!waiting.empty() && waiting.front() <= clock_ns())
        waiting.pop_front();
    if (waiting.size() >= queue) { // full: wait for a refresh to take one
        sleep_until_ns(waiting.front() + late);
        waiting.pop_front();
    }
    long long shows = refresh_after(clock_ns(), period);
    if (!waiting.empty() && shows <= waiting.back())
        shows = waiting.back() + (long long)period;
    waiting.push_back(shows);
    return shows;
}

extern "C" int SDL_Flip(SDL_Surface *surface)
{
    static auto real = (int (*)(SDL_Surface *))dlsym(RTLD_NEXT, "SDL_Flip");
    static const double hz = setting("FAKE_DISPLAY_HZ");
    static const size_t queue = (size_t)setting("FAKE_DISPLAY_QUEUE");
    static FILE *log = getenv("FAKE_DISPLAY_LOG") ? fopen(getenv("FAKE_DISPLAY_LOG"), "w") : NULL;
    static const bool copy = setting("FAKE_DISPLAY_NO_COPY") == 0;
    long long cpu_before = cpu_ns();
    int result = copy ? real(surface) : 0;
    flip_cpu_ns += cpu_ns() - cpu_before;
    flips++;
    most_unshown = std::max(most_unshown, unflipped - 1); // the latest step is the one shown
    unflipped = 0;
    long long shows = present(hz, queue);
    sampled_ns.push_back(shows - read_ns);
    if (up_unshown && log != NULL)
        fprintf(log, "%lld\n", shows);
    up_unshown = false;
    return result;
}

__attribute__((destructor)) static void report()
{
    double seconds = (last_step_ns - first_step_ns) / 1e9; // start-up and shutdown left out
    std::sort(sampled_ns.begin(), sampled_ns.end());
    double sampled_ms = sampled_ns.empty() ? 0 : sampled_ns[sampled_ns.size() / 2] / 1e6;
    if (steps > 1)
        fprintf(stderr,
                "\nsteps=%.1f flips=%.1f unshown=%.1f cpu=%.0f%% in_flip=%.0f%% early_reads=%lld sampled=%.1f "
                "most_unshown=%lld step_count=%lld seconds=%.6f\n",
                (steps - 1) / seconds, flips / seconds, (steps - flips) * 60.0 / seconds,
                (last_cpu_ns - first_cpu_ns) / 1e7 / seconds, flip_cpu_ns / 1e7 / seconds, early_reads, sampled_ms,
                most_unshown, steps, seconds);
}
