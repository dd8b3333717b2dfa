// The game's system edge on Linux: the vsync request, a monotonic clock, a
// sleep until a moment of it, and the thread's CPU clock. (The launcher
// starts the game in its data folder.)
#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "i_system.h"
#include "i_timer.h"
#include "schedule.h"

// The frame pacing keeps the game's rate; waiting for the display's refresh
// as well keeps the picture whole. SDL 1.2 on SDL2 only waits when asked, and
// a user's own setting of the variable wins.
void i_init_system()
{
    setenv("SDL12COMPAT_SYNC_TO_VBLANK", "1", 0);
}

static long long clock_ns(clockid_t clock)
{
    timespec now;
    clock_gettime(clock, &now);
    return now.tv_sec * NS_PER_SECOND + now.tv_nsec;
}

long long i_now_ns()
{
    return clock_ns(CLOCK_MONOTONIC);
}

long long i_cpu_ns()
{
    return clock_ns(CLOCK_THREAD_CPUTIME_ID);
}

void i_wait_until_ns(long long when_ns)
{
    timespec until = {(time_t)(when_ns / NS_PER_SECOND), (long)(when_ns % NS_PER_SECOND)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, NULL) == EINTR) {
    }
}
