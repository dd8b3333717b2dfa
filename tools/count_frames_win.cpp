// Linked into vorkkeli-counted.exe, the Windows game counted for
// tools/measure-wine.sh: each frame's key-state read is a step and each flip
// a picture (the linker's --wrap puts these in front of SDL's own). At exit
// it writes steps and pictures a second and the process's CPU use, from the
// sixtieth step to the last, to standard error: the first flip sets the
// display up (a fifth of a second under Wine), which is no part of the rate.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "i_timer.h"
#include "vorkkeli.h"

static const long long SKIPPED = 60; // steps before the count starts
static long long steps, flips, first_ns, last_ns, first_cpu_ns, last_cpu_ns;

static long long cpu_ns()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
    return (long long)(k.QuadPart + u.QuadPart) * 100;
}

static void report()
{
    double seconds = (last_ns - first_ns) / 1e9;
    if (steps > SKIPPED + 1)
        fprintf(stderr, "steps=%.1f flips=%.1f cpu=%.0f%%\n", (steps - SKIPPED - 1) / seconds, flips / seconds,
                (last_cpu_ns - first_cpu_ns) / 1e7 / seconds);
}

extern "C" Uint8 *__real_SDL_GetKeyState(int *numkeys);
extern "C" int __real_SDL_Flip(SDL_Surface *screen);

extern "C" Uint8 *__wrap_SDL_GetKeyState(int *numkeys)
{
    last_ns = i_now_ns(), last_cpu_ns = cpu_ns();
    if (steps++ == SKIPPED) {
        first_ns = last_ns, first_cpu_ns = last_cpu_ns;
        atexit(report);
    }
    return __real_SDL_GetKeyState(numkeys);
}

extern "C" int __wrap_SDL_Flip(SDL_Surface *screen)
{
    flips += steps > SKIPPED;
    return __real_SDL_Flip(screen);
}
