// A preload library for measuring the real game's pacing: SDL_Flip becomes a
// display of FAKE_DISPLAY_HZ refreshes a second (0 or unset: one that does not
// wait), the game's steps are counted at each frame's key-state query, and the
// time at which a newly pressed Up is first shown is logged to FAKE_DISPLAY_LOG.
// Rates and CPU use are reported between the first and the last step.
#include <dlfcn.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "vorkkeli.h" // the game's own clock and sleep (i_timer.cpp is built in)

static const long long start_ns = i_now_ns(); // the refreshes count from here
static long long first_step_ns, last_step_ns, steps, flips, first_cpu_ns, last_cpu_ns, flip_cpu_ns;
static bool up_was_down, up_unshown;

static long long cpu_ns()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000000LL +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1000LL;
}

extern "C" Uint8 *SDL_GetKeyState(int *numkeys)
{
    static auto real = (Uint8 * (*)(int *)) dlsym(RTLD_NEXT, "SDL_GetKeyState");
    Uint8 *keys = real(numkeys);
    last_step_ns = i_now_ns();
    last_cpu_ns = cpu_ns();
    if (steps++ == 0)
        first_step_ns = last_step_ns, first_cpu_ns = last_cpu_ns;
    up_unshown = up_unshown || (keys[SDLK_UP] && !up_was_down);
    up_was_down = keys[SDLK_UP];
    return keys;
}

extern "C" int SDL_Flip(SDL_Surface *surface)
{
    static auto real = (int (*)(SDL_Surface *))dlsym(RTLD_NEXT, "SDL_Flip");
    static const long long hz = getenv("FAKE_DISPLAY_HZ") ? atoll(getenv("FAKE_DISPLAY_HZ")) : 0;
    static FILE *log = getenv("FAKE_DISPLAY_LOG") ? fopen(getenv("FAKE_DISPLAY_LOG"), "w") : NULL;
    long long cpu_before = cpu_ns();
    int result = real(surface);
    flip_cpu_ns += cpu_ns() - cpu_before;
    flips++;
    if (hz > 0) { // wait for the next refresh
        long long since = i_now_ns() - start_ns, period = 1000000000LL / hz;
        i_wait_until_ns(start_ns + (since / period + 1) * period);
    }
    if (up_unshown && log != NULL)
        fprintf(log, "%lld\n", i_now_ns());
    up_unshown = false;
    return result;
}

__attribute__((destructor)) static void report()
{
    double seconds = (last_step_ns - first_step_ns) / 1e9; // start-up and shutdown left out
    if (steps > 1)
        fprintf(stderr, "\nsteps=%.1f flips=%.1f cpu=%.0f%% in_flip=%.0f%%\n", (steps - 1) / seconds,
                flips / seconds, (last_cpu_ns - first_cpu_ns) / 1e7 / seconds, flip_cpu_ns / 1e7 / seconds);
}
