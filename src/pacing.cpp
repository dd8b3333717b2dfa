// Frame pacing: the fixed schedule of 60 frames a second that the loop keeps
// whatever the display does, and the monotonic clock and sleep it runs on.
#include <cerrno>
#include <ctime>

#include "vorkkeli.h"

static const long long NS_PER_SECOND = 1000000000LL;
// Further behind than this (a stopped process, a suspended laptop) the
// schedule starts again instead of running a burst of catch-up frames.
static const long long STALL_NS = NS_PER_SECOND / 10;

// Frame k is due at origin + k / 60 s, worked out from k every time so that
// no rounding builds up into drift.
static long long frame_due(const FrameSchedule &schedule, long long frame)
{
    return schedule.origin_ns + frame * NS_PER_SECOND / FRAMES_PER_SECOND;
}

FrameSchedule start_schedule(long long now_ns)
{
    FrameSchedule schedule = {now_ns, 0};
    return schedule;
}

long long frame_start(FrameSchedule &schedule, long long now_ns)
{
    if (now_ns - frame_due(schedule, schedule.frame) > STALL_NS)
        schedule = start_schedule(now_ns);
    return frame_due(schedule, schedule.frame);
}

// A frame finished after the next one is due is not shown: the game keeps
// its 60 steps a second on a slow display and only the picture drops.
bool frame_shown(FrameSchedule &schedule, long long now_ns)
{
    schedule.frame++;
    return now_ns < frame_due(schedule, schedule.frame);
}

long long monotonic_ns()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * NS_PER_SECOND + now.tv_nsec;
}

void wait_until_ns(long long when_ns)
{
    timespec until = {(time_t)(when_ns / NS_PER_SECOND), (long)(when_ns % NS_PER_SECOND)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, NULL) == EINTR) {
    }
}
