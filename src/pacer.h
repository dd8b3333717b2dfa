// The frame pacer: near 60 Hz the display paces the game, one tic per
// refresh, each started as late as its cost allows; elsewhere the fixed
// schedule does, and says which tics are drawn and shown. Only the loop uses
// it; it is pure, fed the times the loop saw.
#ifndef PACER_H
#define PACER_H

#include "schedule.h"

enum { PACE_SCHEDULE, PACE_PROBE, PACE_LOCKED };
enum { WORK_SAMPLES = 64, STEADY_FRAMES = 12 };
struct FramePacer {
    int mode;
    FrameSchedule schedule;            // followed unless locked
    long long period_ns, refresh_ns;   // the display's refresh as estimated: period, and the latest seen
    long long base_refresh_ns;         // locked: the refresh the period is being measured from
    int counted;                       // and the refreshes since
    long long last_return_ns;          // when the last shown frame's flip returned
    int steady;                        // shown frames in a row whose returns were one 60 Hz period apart
    long long gap_ns[STEADY_FRAMES];   // the latest of those gaps
    int probe_left, probe_hits;
    long long next_probe_frame;
    long long start_ns;                // when this frame was meant to start
    long long began_ns, ticked_ns;     // and when its tic began and ended
    long long target_ns;               // locked: the refresh this frame aims at
    int off_refresh, hits;             // returns off the refreshes in a row; hits since the safety last changed
    long long safety_ns;
    long long work_ns[WORK_SAMPLES];   // the latest frames' cost, meant start to flip
    int work_count;
    int unshown;                       // tics left undrawn and unshown in a row
};
FramePacer start_pacer(long long now_ns);
// When the frame's tic is to start; then, once it has run, whether to draw
// and show its picture; then when the picture was drawn and its flip
// returned, if shown, or when it was left unshown.
long long pacer_frame_start(FramePacer &pacer, long long now_ns);
bool pacer_tic_done(FramePacer &pacer, long long began_ns, long long ticked_ns);
void pacer_frame_done(FramePacer &pacer, bool shown, long long drawn_ns, long long returned_ns);

#endif
