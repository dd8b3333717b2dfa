// The frame schedule on a made-up clock: when each frame may start, which are
// in time to be shown, the restart after a stall, and no drift.
#include <gtest/gtest.h>

#include "support.h"

// Each frame is checked at its end and then counted, as the loop does.
static bool finish(FrameSchedule &schedule, long long now_ns)
{
    bool in_time = frame_in_time(schedule, now_ns);
    next_frame(schedule);
    return in_time;
}

TEST(Pacing, FramesWaitForTheirSlotAndLateOnesAreNotShown)
{
    FrameSchedule schedule = start_schedule(1000 * MS);
    EXPECT_EQ(frame_start(schedule, 1000 * MS), 1000 * MS);
    EXPECT_TRUE(finish(schedule, 1005 * MS));
    EXPECT_EQ(frame_start(schedule, 1006 * MS), 1016666666); // early: waits for its slot
    EXPECT_FALSE(finish(schedule, 1034 * MS));               // done after frame 2's slot
    EXPECT_EQ(frame_start(schedule, 1034 * MS), 1033333333); // late: starts at once
    EXPECT_TRUE(finish(schedule, 1040 * MS));
    EXPECT_EQ(frame_start(schedule, 1140 * MS), 1050 * MS); // 90 ms behind: catches up
    EXPECT_FALSE(finish(schedule, 1141 * MS));
    EXPECT_EQ(frame_start(schedule, 1300 * MS), 1300 * MS); // a long stall: starts again from now
    EXPECT_TRUE(finish(schedule, 1301 * MS));
    EXPECT_EQ(frame_start(schedule, 1302 * MS), 1316666666);
}

TEST(Pacing, NoDriftOverTenThousandFrames)
{
    FrameSchedule schedule = start_schedule(0);
    for (int frame = 0; frame < 10000; frame++)
        finish(schedule, frame_start(schedule, 0) + 2 * MS);
    EXPECT_EQ(frame_start(schedule, 0), 166666666666); // 10,000 / 60 s
}
