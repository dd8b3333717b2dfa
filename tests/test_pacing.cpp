// The frame schedule on made-up clocks: when each frame may start, which are
// shown, the restart after a stall, and no drift over 10,000 frames.
#include <gtest/gtest.h>

#include "support.h"

static const long long MS = 1000000;

TEST(Pacing, FramesWaitForTheirSlotAndLateOnesAreNotShown)
{
    FrameSchedule schedule = start_schedule(1000 * MS);
    EXPECT_EQ(frame_start(schedule, 1000 * MS), 1000 * MS);
    EXPECT_TRUE(frame_shown(schedule, 1005 * MS));
    EXPECT_EQ(frame_start(schedule, 1006 * MS), 1016666666); // early: waits for its slot
    EXPECT_FALSE(frame_shown(schedule, 1034 * MS));          // done after frame 2's slot
    EXPECT_EQ(frame_start(schedule, 1034 * MS), 1033333333); // late: starts at once
    EXPECT_TRUE(frame_shown(schedule, 1040 * MS));
    EXPECT_EQ(frame_start(schedule, 1140 * MS), 1050 * MS); // 90 ms behind: catches up
    EXPECT_FALSE(frame_shown(schedule, 1141 * MS));
    EXPECT_EQ(frame_start(schedule, 1300 * MS), 1300 * MS); // a long stall: starts again from now
    EXPECT_TRUE(frame_shown(schedule, 1301 * MS));
    EXPECT_EQ(frame_start(schedule, 1302 * MS), 1316666666);
}

// Made-up displays: each frame takes 2 ms, then a shown frame's flip waits for
// the display's next refresh, or returns at once (0 Hz: no vsync). A 48 Hz
// display shows 48 pictures a second of the 60 steps.
TEST(Pacing, SixtyFramesASecondWithoutDriftOnEveryDisplay)
{
    struct Row { long long hz, shown; } rows[] = {{0, 10000}, {60, 10000}, {144, 10000}, {48, 8000}};
    for (const Row &row : rows) {
        FrameSchedule schedule = start_schedule(0);
        long long now = 0, shown = 0;
        for (int frame = 0; frame < 10000; frame++) {
            now = std::max(now, frame_start(schedule, now)) + 2 * MS;
            if (frame_shown(schedule, now) && ++shown && row.hz > 0)
                now = (now * row.hz / 1000000000 + 1) * 1000000000 / row.hz;
        }
        EXPECT_EQ(frame_start(schedule, now), 166666666666) << row.hz << " Hz"; // 10,000 / 60 s
        EXPECT_EQ(shown, row.shown) << row.hz << " Hz";
    }
}
