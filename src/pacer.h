// The frame pacer: near 60 Hz the display paces the game, one tic per
// refresh, each started as late as its cost allows; elsewhere the fixed
// schedule does, and says which tics are drawn and shown. Only the loop uses
// it; it is pure, fed the times the loop saw.
#ifndef PACER_H
#define PACER_H

#include "schedule.h"

enum PaceMode { PACE_FREE, PACE_PROBING, PACE_LOCKED };
enum { WORK_SAMPLES = 64, STEADY_FRAMES = 12 };

// Free: whether the flips come back one 60 Hz period apart, and when a
// probe may start.
struct ReturnWatch {
    bool returned;                    // a shown frame's flip has come back
    long long last_return_ns;         // and when the latest did
    int steady;                       // returns in a row one period apart
    long long gaps_ns[STEADY_FRAMES]; // the latest of those gaps, oldest overwritten
    int next_gap;                     // where the next gap goes
    long long frames;                 // frames off the lock, never restarted
    long long probe_from;             // in those frames, when a probe may start
};
// Probing: a few frames started half a frame late, to see whether the flips
// still come back on the refreshes.
struct RefreshProbe {
    long long period_ns, refresh_ns; // the refresh the probe predicts from
    int left, on_refresh;            // frames still to probe; those back on a refresh
};
// Locked: the display's refresh as estimated from the returns, and the
// refresh this frame aims at.
struct DisplayLock {
    long long period_ns, refresh_ns;
    long long measured_from_ns; // the refresh the period is being measured from
    int refreshes;              // and the refreshes since
    bool measuring;             // the refresh estimate has settled since the lock began
    long long target_ns;
    int off_refresh; // returns off the refreshes in a row
};
// How long before its refresh a locked frame starts: the frames' cost, and
// a safety on top that grows on a missed refresh and shrinks with hits.
struct StartMargin {
    long long work_ns[WORK_SAMPLES]; // the latest shown frames' cost, meant start to flip
    int samples, next_sample;
    long long safety_ns;
    int hits; // since the safety last changed
};
struct FramePacer {
    PaceMode mode;
    bool animation_frames; // the display is a page's (i_animation_frames)
    FrameSchedule schedule; // followed unless locked
    ReturnWatch watch;
    RefreshProbe probe;
    DisplayLock lock;
    StartMargin margin;
    long long start_ns; // when this frame was meant to start
    bool slow_tic;      // its tic's own work outlasted a slot
    int unshown;        // tics left undrawn and unshown in a row
};
FramePacer start_pacer(long long now_ns, bool animation_frames);
// When the frame's tic is to start; then, once it has run, whether its
// picture is drawn and shown, from when the tic ended and the CPU time it
// had; then when the picture was drawn and its flip returned, if shown, or
// when it was left unshown.
long long pacer_frame_start(FramePacer &pacer, long long now_ns);
bool pacer_shows_tic(FramePacer &pacer, long long ticked_ns, long long tic_cpu_ns);
void pacer_frame_done(FramePacer &pacer, bool shown, long long drawn_ns, long long returned_ns);

#endif
