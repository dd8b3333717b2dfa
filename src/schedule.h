// The fixed schedule of 60 frames a second: frame k is due at origin + k / 60 s
// on a monotonic clock. Pure arithmetic on times the caller passes in.
#ifndef SCHEDULE_H
#define SCHEDULE_H

static const long long NS_PER_SECOND = 1000000000LL;
enum { FRAMES_PER_SECOND = 60 };
// Further behind than this (a stopped process, a machine too busy to run us)
// pacing starts again instead of running a burst of catch-up tics. Drawing a
// picture that takes a tenth of a second leaves the loop up to about 0.12 s
// behind, and those tics are caught up. Guarded by the displays' table:
// `ctest --test-dir build -R Displays` ("stalls 250 ms", "draws 100 ms").
static const long long STALL_NS = NS_PER_SECOND / 5;

struct FrameSchedule {
    long long origin_ns;
    long long frame; // the frame about to run, or running
};
FrameSchedule start_schedule(long long now_ns);
// When the frame may start; after a long stall the schedule restarts from now.
long long frame_start(FrameSchedule &schedule, long long now_ns);
// Whether the frame finished before the next one is due.
bool frame_in_time(const FrameSchedule &schedule, long long now_ns);
void next_frame(FrameSchedule &schedule);

#endif
