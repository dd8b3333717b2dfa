// The fixed schedule of 60 frames a second that the loop keeps whatever the
// display does, unless the display itself paces the game (pacer.cpp).
#include "schedule.h"

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

bool frame_in_time(const FrameSchedule &schedule, long long now_ns)
{
    return now_ns < frame_due(schedule, schedule.frame + 1);
}

void next_frame(FrameSchedule &schedule)
{
    schedule.frame++;
}
