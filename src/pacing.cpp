// Frame pacing: the fixed schedule of 60 frames a second that the loop keeps
// whatever the display does. Pure arithmetic on times the caller passes in.
#include "vorkkeli.h"

static const long long NS_PER_SECOND = 1000000000LL;

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
bool frame_in_time(const FrameSchedule &schedule, long long now_ns)
{
    return now_ns < frame_due(schedule, schedule.frame + 1);
}

void next_frame(FrameSchedule &schedule)
{
    schedule.frame++;
}
