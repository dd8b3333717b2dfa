// The frame pacer: the schedule, or the display locked near 60 Hz with the
// refresh estimated from when the flips return and each frame started late.
//
// Three modes; every change between them is made in enter():
//
//        steady returns, their median within 1 % of 60 Hz, a probe due
//   FREE --------------------------------------------------------> PROBING
//    ^  ^                                                             |
//    |  +---- a probe frame back off its refresh (again in 600) ------+
//    |                                                                | all 8 back
//    |                                                                v on refreshes
//    +---- 3 returns off the refreshes, a flip back at once, ---- LOCKED
//          the period out of 0.5 %, or no frame for 200 ms
//
// On a page's animation frames (i_animation_frames) a locked frame starts as
// the last returns, since what is drawn then is painted in that frame.
//
// FREE and PROBING follow the schedule, which starts again from now after a
// stall (200 ms behind), a slow first flip or a tic whose own work (its CPU
// time) outlasts its slot; there a tic that ends after the next one is due,
// because drawing was slow or the machine gave the game no CPU, is left
// undrawn (catch-up). LOCKED starts each frame its margin before the
// refresh it aims at and shows every tic.
#include <algorithm>
#include <cstdlib>

#include "pacer.h"

// The tolerances. Each is guarded by the made-up displays' table
// (tests/golden/displays.txt, the rows named beside it): after changing one,
// run `ctest --test-dir build -R Displays`.
static const long long MS = 1000000;
static const long long NOMINAL_NS = NS_PER_SECOND / FRAMES_PER_SECOND;
// Within 0.5 % of 60 Hz the display paces the game ("59.94 Hz", "60 then 59.6 Hz").
static const long long LOCK_BAND_NS = NOMINAL_NS / 200;
// Flips returning this close to one period apart are steady ("58 Hz").
static const long long STEADY_GAP_NS = 6 * MS;
// The steady gaps' median within 1 % of 60 Hz starts a probe ("58 Hz", "59 Hz").
static const long long PROBE_BAND_NS = NOMINAL_NS / 100;
// A probe is this many frames, each started this much late; only a display
// that waits brings every one back on a refresh ("no vsync, a flip 8 ms slow
// once a second", "60.00 Hz").
static const int PROBE_FRAMES = 8;
static const long long PROBE_SHIFT_NS = NOMINAL_NS / 2;
// After a failed probe or a lost lock, this many frames on the schedule (10 s)
// before the next probe ("no vsync, then 60 Hz after a stall"). The first
// comes a second in, once the start's own slow frames are past (X setting
// the display up, a page opening its sound): one late return fails a probe
// ("60.00 Hz, a flip 10 ms late once a second").
static const long long REPROBE_FRAMES = 600, FIRST_PROBE_FRAMES = 60;
// A waiting flip returns on a refresh, or later when the thread wakes up late
// (on a busy machine several milliseconds late), so a return this close to a
// refresh is on it. A probe's frames start half a frame late, outside it.
// ("wakes up to 5 ms late", "wakes up to 10 ms late", "no vsync, a flip 8 ms slow")
static const long long ON_REFRESH_NS = 6 * MS;
// A locked frame's return this long after the refresh it aimed at missed it
// ("a 3 ms present").
static const long long MISSED_NS = 6 * MS;
// A flip back this soon after the picture was drawn did not wait ("no vsync").
static const long long AT_ONCE_NS = MS / 2;
// This many returns in a row off the refreshes end the lock ("60 then 50 Hz").
static const int OFF_REFRESH_TO_LEAVE = 3;
// Locked, the period is measured over this many refreshes ("returns 1.9 ms
// late"), from the second such stretch on: the lock starts from a return that
// may have come up to 6 ms late, a whole percent of the period over the first
// ("wakes up to 5 ms late").
static const int PERIOD_REFRESHES = 30;
// Locked, no frame this long after the next refresh is a stop, not a slow
// frame: the schedule starts again from now ("stalls 250 ms").
static const long long LOCK_STALL_NS = STALL_NS;
// The safety margin: where it starts, its floor ("600 s of steady frames"),
// and its step on a miss ("a 3 ms present"); its cap is a millisecond short
// of a frame ("a 15.5 ms present").
static const long long SAFETY_START_NS = 2000000, SAFETY_FLOOR_NS = 250000, SAFETY_STEP_NS = 500000;
static const int HITS_TO_SHRINK = 60; // a second of hits shrinks the safety by 1/64
// Behind the schedule, at most this many tics in a row go undrawn, then one is
// drawn all the same: the picture never stops for more than seven tics, about
// a tenth of a second, however slow drawing is ("draws 100 ms", "15 ms a tic").
static const int UNSHOWN_IN_A_ROW = 6;
// A tic whose own work, its CPU time, takes longer than a slot: the machine
// is slower than the schedule, and catching up would be a burst ("14 ms a
// tic", "40 ms a tic"). A tic longer only on the clock was preempted, and is
// caught up ("preempted up to 60 ms"). Above Windows' coarsest thread time,
// a 15.6 ms clock tick, so an ordinary tic there never reads as slow.
static const long long SLOW_TIC_NS = NOMINAL_NS;

// The median of the latest steady gaps: a late wake-up lengthens one gap and
// shortens the next, and leaves the median alone.
static long long median_gap(const ReturnWatch &watch)
{
    long long sorted[STEADY_FRAMES];
    std::copy(watch.gaps_ns, watch.gaps_ns + STEADY_FRAMES, sorted);
    std::nth_element(sorted, sorted + STEADY_FRAMES / 2, sorted + STEADY_FRAMES);
    return sorted[STEADY_FRAMES / 2];
}

static long long distance_to_refresh(long long refresh_ns, long long period_ns, long long when_ns)
{
    long long off = (when_ns - refresh_ns) % period_ns;
    if (off < 0)
        off += period_ns;
    return std::min(off, period_ns - off);
}

// Every change of mode. Free after the lock, the schedule, which stood
// still, starts again from now; free after a failed probe it goes on.
static void enter(FramePacer &pacer, PaceMode mode, long long now_ns)
{
    switch (mode) {
    case PACE_FREE:
        if (pacer.mode == PACE_LOCKED) {
            pacer.schedule = start_schedule(now_ns);
            pacer.watch.steady = 0;
        }
        pacer.watch.probe_from = pacer.watch.frames + REPROBE_FRAMES;
        break;
    case PACE_PROBING:
        pacer.probe.period_ns = median_gap(pacer.watch);
        pacer.probe.refresh_ns = now_ns;
        pacer.probe.left = PROBE_FRAMES;
        pacer.probe.on_refresh = 0;
        break;
    case PACE_LOCKED:
        pacer.lock.period_ns = pacer.probe.period_ns;
        pacer.lock.refresh_ns = pacer.lock.measured_from_ns = now_ns;
        pacer.lock.refreshes = 0;
        pacer.lock.measuring = false;
        pacer.lock.off_refresh = 0;
        break;
    }
    pacer.mode = mode;
}

FramePacer start_pacer(long long now_ns, bool animation_frames)
{
    FramePacer pacer = {};
    pacer.mode = PACE_FREE;
    pacer.animation_frames = animation_frames;
    pacer.schedule = start_schedule(now_ns);
    pacer.margin.safety_ns = SAFETY_START_NS;
    pacer.watch.probe_from = FIRST_PROBE_FRAMES;
    return pacer;
}

// A high percentile of the shown frames' own cost, from when each was meant
// to start (so waking up late counts) to its flip.
static long long frame_cost(const StartMargin &margin)
{
    if (margin.samples == 0)
        return 0;
    long long sorted[WORK_SAMPLES];
    std::copy(margin.work_ns, margin.work_ns + margin.samples, sorted);
    std::nth_element(sorted, sorted + margin.samples * 95 / 100, sorted + margin.samples);
    return sorted[margin.samples * 95 / 100];
}

static void record_work(StartMargin &margin, long long work_ns)
{
    margin.work_ns[margin.next_sample] = work_ns;
    margin.next_sample = (margin.next_sample + 1) % WORK_SAMPLES;
    margin.samples = std::min(margin.samples + 1, (int)WORK_SAMPLES);
}

// Locked, a frame starts its cost and the safety before the refresh it aims
// at, so the input is read as late as the frame allows: the first refresh
// its cost can still make. On a page's animation frames it starts at once,
// painted in the frame that woke it, and its flip comes back at the next.
// Otherwise it starts in its slot of the schedule (a probe's frames half a
// frame later).
long long pacer_frame_start(FramePacer &pacer, long long now_ns)
{
    DisplayLock &lock = pacer.lock;
    if (pacer.mode == PACE_LOCKED && now_ns - (lock.refresh_ns + lock.period_ns) > LOCK_STALL_NS)
        enter(pacer, PACE_FREE, now_ns);
    if (pacer.mode != PACE_LOCKED) {
        long long start = frame_start(pacer.schedule, now_ns);
        pacer.start_ns = pacer.mode == PACE_PROBING ? start + PROBE_SHIFT_NS : start;
        return pacer.start_ns;
    }
    lock.target_ns = lock.refresh_ns + lock.period_ns;
    if (pacer.animation_frames) {
        while (lock.target_ns <= now_ns)
            lock.target_ns += lock.period_ns;
        pacer.start_ns = now_ns;
        return pacer.start_ns;
    }
    long long cost = frame_cost(pacer.margin);
    while (lock.target_ns - cost < now_ns)
        lock.target_ns += lock.period_ns;
    pacer.start_ns = std::max(now_ns, lock.target_ns - cost - pacer.margin.safety_ns);
    return pacer.start_ns;
}

// Whether the tic just run is drawn and shown. Locked, every tic is. On the
// schedule a tic that ends after the next one is due is not (catch-up): the
// next runs at once, from its own input, and the picture is drawn for the
// tic that catches up, so slow drawing, a slow display or a machine busy
// elsewhere costs pictures, not steps. But never more than six in a row, so
// the picture never freezes; and never a tic whose own work took longer than
// its slot: there catching up cannot help, and each tic is shown as the
// machine allows.
bool pacer_shows_tic(FramePacer &pacer, long long ticked_ns, long long tic_cpu_ns)
{
    pacer.slow_tic = tic_cpu_ns > SLOW_TIC_NS;
    if (pacer.mode == PACE_LOCKED)
        return true;
    bool behind = !frame_in_time(pacer.schedule, ticked_ns);
    bool catch_up = behind && !pacer.slow_tic && pacer.unshown < UNSHOWN_IN_A_ROW;
    return !catch_up;
}

// Free or probing, each shown frame's return: flips coming back about one
// 60 Hz period apart, their median within 1 % of it, may be a display that
// waits for its refresh, or one that does not wait and is paced by the
// schedule itself. A probe tells them apart: its frames start half a frame
// later, and only a waiting display still returns on its refreshes.
static void watch_returns(FramePacer &pacer, long long returned_ns)
{
    ReturnWatch &watch = pacer.watch;
    long long gap = returned_ns - watch.last_return_ns;
    if (watch.returned && std::abs(gap - NOMINAL_NS) < STEADY_GAP_NS) {
        watch.gaps_ns[watch.next_gap] = gap;
        watch.next_gap = (watch.next_gap + 1) % STEADY_FRAMES;
        watch.steady++;
    } else {
        watch.steady = 0;
    }

    RefreshProbe &probe = pacer.probe;
    if (pacer.mode == PACE_PROBING) {
        probe.on_refresh += distance_to_refresh(probe.refresh_ns, probe.period_ns, returned_ns) <= ON_REFRESH_NS;
        if (--probe.left == 0)
            enter(pacer, probe.on_refresh == PROBE_FRAMES ? PACE_LOCKED : PACE_FREE, returned_ns);
    } else if (watch.steady >= STEADY_FRAMES && watch.frames >= watch.probe_from &&
               std::abs(median_gap(watch) - NOMINAL_NS) < PROBE_BAND_NS) {
        enter(pacer, PACE_PROBING, returned_ns);
    }
}

// Free or probing: the schedule moves on, or starts again from this return
// when the first flip (which sets the display up, 30 ms or more on X) came
// back after the next frame was due, or the tic's own work outlasted its
// slot (the machine is slower than the schedule, and catching up would be
// a burst).
static void free_frame_done(FramePacer &pacer, bool shown, long long returned_ns)
{
    bool slow_first = shown && !pacer.watch.returned && !frame_in_time(pacer.schedule, returned_ns);
    next_frame(pacer.schedule);
    pacer.watch.frames++;
    if (slow_first || pacer.slow_tic)
        pacer.schedule = start_schedule(returned_ns);
    else if (shown)
        watch_returns(pacer, returned_ns);
}

// Locked: a return on the refresh aimed at is a hit; a later refresh is a
// miss, and the safety grows by half a millisecond at once; each second of
// hits shrinks it by a sixty-fourth. So a machine whose wake-ups now and then
// come milliseconds late raises it until they no longer cost a refresh, and
// a quiet one lets it sink to a quarter of a millisecond.
// A return long after it is a stall (a stopped process), not a miss.
static void adjust_safety(FramePacer &pacer, long long returned_ns)
{
    StartMargin &margin = pacer.margin;
    bool missed = returned_ns > pacer.lock.target_ns + MISSED_NS;
    bool stalled = returned_ns - pacer.lock.target_ns > LOCK_STALL_NS; // stopped, not slow: no reason to back off
    if (missed && !stalled) {
        margin.safety_ns = std::min(margin.safety_ns + SAFETY_STEP_NS, pacer.lock.period_ns - MS);
        margin.hits = 0;
    } else if (++margin.hits >= HITS_TO_SHRINK) {
        margin.safety_ns = std::max(SAFETY_FLOOR_NS, margin.safety_ns - margin.safety_ns / 64);
        margin.hits = 0;
    }
}

// Locked: each return moves the refresh estimate on. Returns off the
// refreshes, a period that left the band or a flip that came back at once
// end the lock.
static void locked_frame_done(FramePacer &pacer, long long drawn_ns, long long returned_ns)
{
    DisplayLock &lock = pacer.lock;
    long long since = returned_ns - lock.refresh_ns;
    long long refreshes = (since + lock.period_ns / 2) / lock.period_ns;
    bool on_refresh =
        refreshes >= 1 && distance_to_refresh(lock.refresh_ns, lock.period_ns, returned_ns) <= ON_REFRESH_NS;
    if (!on_refresh) {
        bool at_once = returned_ns - drawn_ns < AT_ONCE_NS;
        if (at_once || ++lock.off_refresh >= OFF_REFRESH_TO_LEAVE)
            enter(pacer, PACE_FREE, returned_ns);
        return;
    }
    lock.off_refresh = 0;
    adjust_safety(pacer, returned_ns);
    // Returns are only ever late, never before their refresh: one earlier
    // than predicted is taken as the refresh, and one later moves the
    // estimate a quarter of the way, at most a quarter of a millisecond, as
    // a display a little slower than estimated would. So a late wake-up
    // hardly moves it. The period is measured over the latest 30 refreshes,
    // where a millisecond either way is lost in half a second.
    long long error = since - refreshes * lock.period_ns;
    lock.refresh_ns += refreshes * lock.period_ns + (error < 0 ? error : std::min(error, MS) / 4);
    lock.refreshes += refreshes;
    if (lock.refreshes >= PERIOD_REFRESHES) {
        bool measured = lock.measuring;
        if (measured)
            lock.period_ns = (lock.refresh_ns - lock.measured_from_ns) / lock.refreshes;
        lock.measured_from_ns = lock.refresh_ns;
        lock.refreshes = 0;
        lock.measuring = true;
        if (measured && std::abs(lock.period_ns - NOMINAL_NS) > LOCK_BAND_NS)
            enter(pacer, PACE_FREE, returned_ns);
    }
}

// A shown frame's cost, from when it was meant to start to its flip, is what
// the lock's margin is made of.
void pacer_frame_done(FramePacer &pacer, bool shown, long long drawn_ns, long long returned_ns)
{
    if (shown)
        record_work(pacer.margin, drawn_ns - pacer.start_ns);
    pacer.unshown = shown ? 0 : pacer.unshown + 1;
    if (pacer.mode == PACE_LOCKED)
        locked_frame_done(pacer, drawn_ns, returned_ns);
    else
        free_frame_done(pacer, shown, returned_ns);
    if (shown) {
        pacer.watch.returned = true;
        pacer.watch.last_return_ns = returned_ns;
    }
}
