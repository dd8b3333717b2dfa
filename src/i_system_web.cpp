// The game's system edge in a browser: the page's monotonic clock, a sleep
// that gives the page its turn (the loop runs under Asyncify), and the clock
// again as the CPU clock.
#include <emscripten.h>

#include <cstdlib>

#include "i_system.h"
#include "i_timer.h"

// The browser paces the pictures to its own refresh (i_video_web.cpp); SDL
// is not asked to wait for it. Nor to give the page its turn after each
// picture: the game asks for the next animation frame as soon as it has
// drawn, where a turn given first lets a key press (after which the browser
// paints before it runs timers) push the request past the next frame.
void i_init_system()
{
    setenv("SDL_EMSCRIPTEN_ASYNCIFY", "0", 0);
}

long long i_now_ns()
{
    return (long long)(emscripten_get_now() * 1e6); // performance.now(), in ms
}

// A page has no CPU clock. Its script runs a tic from start to end without
// the page doing anything else between, so the clock is the tic's own time
// (all the page can see of the machine taking it away).
long long i_cpu_ns()
{
    return i_now_ns();
}

// The page's timers wake a millisecond at a time and may wake early; the
// game's loop is never woken before its moment.
void i_wait_until_ns(long long when_ns)
{
    for (long long left = when_ns - i_now_ns(); left > 0; left = when_ns - i_now_ns())
        emscripten_sleep((unsigned)((left + 999999) / 1000000));
}
