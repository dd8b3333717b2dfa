// The game's clock under the frame loop: monotonic time and a sleep until a
// moment of it. Tests and the replay tool link made-up ones instead.
#include <cerrno>
#include <ctime>

#include "vorkkeli.h"

static const long long NS_PER_SECOND = 1000000000LL;

long long i_now_ns()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * NS_PER_SECOND + now.tv_nsec;
}

void i_wait_until_ns(long long when_ns)
{
    timespec until = {(time_t)(when_ns / NS_PER_SECOND), (long)(when_ns % NS_PER_SECOND)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, NULL) == EINTR) {
    }
}
