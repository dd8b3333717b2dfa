// The frame pacer: the schedule, or the display locked near 60 Hz with the
// refresh estimated from when the flips return and each frame started late.
#include <algorithm>
#include <cstdlib>

#include "pacer.h"

// The tolerances. Each is guarded by the made-up displays' table
// (tests/golden/displays.txt, the rows named beside it): after changing one,
// run `ctest --test-dir build -R Displays`.
static const long long MS = 1000000;
static const long long NOMINAL_NS = NS_PER_SECOND / FRAMES_PER_SECOND;
// Within 0.5 % of 60 Hz the display paces the game ("59.94 Hz", "60 then 59.6 Hz").
static const long long BAND_NS = NOMINAL_NS / 200;
// A waiting flip returns on a refresh, or later when the thread wakes up late
// (on a busy machine several milliseconds late), so a return this close to a
// refresh is on it. A probe's frames start half a frame late, outside it.
// ("wakes up to 5 ms late", "wakes up to 10 ms late")
static const long long ON_REFRESH_NS = 6 * MS;
// Behind the schedule, at most this many tics in a row go undrawn, then one is
// drawn all the same: the picture never stops for more than seven tics, about
// a tenth of a second, however slow drawing is ("draws 100 ms", "15 ms a tic").
static const int UNSHOWN_IN_A_ROW = 6;
// The steady gaps' median within 1 % of 60 Hz starts a probe ("58 Hz").
static const long long STEADY_BAND_NS = NOMINAL_NS / 100;
static const int PROBE_FRAMES = 8;
static const long long PROBE_SHIFT_NS = NOMINAL_NS / 2;
// Locked, the period is measured over this many refreshes ("returns 1.9 ms late").
static const int PERIOD_REFRESHES = 30;
static const long long REPROBE_FRAMES = 600;          // after a failed probe, 10 s on the schedule
// The safety margin: where it starts, its floor ("600 s of steady frames"),
// and its step on a miss ("a 3 ms present"); its cap is a millisecond short
// of a frame ("a 15.5 ms present").
static const long long SAFETY_START_NS = 2000000, SAFETY_FLOOR_NS = 250000, SAFETY_STEP_NS = 500000;
static const int HITS_TO_SHRINK = 60;                 // a second of hits shrinks the safety by 1/64

static long long distance_to_refresh(const FramePacer &pacer, long long when_ns)
{
    long long off = (when_ns - pacer.refresh_ns) % pacer.period_ns;
    if (off < 0)
        off += pacer.period_ns;
    return std::min(off, pacer.period_ns - off);
}

// A high percentile of the frames' own cost (from when each was meant to start,
// so waking up late counts, to its flip), plus a safety that grows on a
// missed refresh.
static long long margin(const FramePacer &pacer)
{
    int count = std::min(pacer.work_count, (int)WORK_SAMPLES);
    long long sorted[WORK_SAMPLES];
    std::copy(pacer.work_ns, pacer.work_ns + count, sorted);
    long long high = 0;
    if (count > 0) {
        std::nth_element(sorted, sorted + count * 95 / 100, sorted + count);
        high = sorted[count * 95 / 100];
    }
    return high + pacer.safety_ns;
}

static void follow_schedule(FramePacer &pacer, long long now_ns)
{
    pacer.mode = PACE_SCHEDULE;
    pacer.schedule = start_schedule(now_ns);
    pacer.steady = 0;
    pacer.next_probe_frame = REPROBE_FRAMES;
}

FramePacer start_pacer(long long now_ns)
{
    FramePacer pacer = {};
    pacer.mode = PACE_SCHEDULE;
    pacer.schedule = start_schedule(now_ns);
    pacer.safety_ns = SAFETY_START_NS;
    return pacer; // a display may be probed from the first frames on
}

// Locked, a frame starts its margin before the refresh it aims at, so the
// input is read as late as the frame's cost allows. Otherwise it starts in
// its slot of the schedule (a probe's frames half a frame later).
long long pacer_frame_start(FramePacer &pacer, long long now_ns)
{
    if (pacer.mode == PACE_LOCKED && now_ns - (pacer.refresh_ns + pacer.period_ns) > STALL_NS)
        follow_schedule(pacer, now_ns); // stopped: the schedule starts again from now
    if (pacer.mode != PACE_LOCKED) {
        long long start = frame_start(pacer.schedule, now_ns);
        pacer.start_ns = pacer.mode == PACE_PROBE ? start + PROBE_SHIFT_NS : start;
    } else {
        long long target = pacer.refresh_ns + pacer.period_ns, lead = margin(pacer);
        while (target - (lead - pacer.safety_ns) < now_ns) // too late for this refresh: the next
            target += pacer.period_ns;
        pacer.target_ns = target;
        pacer.start_ns = std::max(now_ns, target - lead);
    }
    return pacer.start_ns;
}

// Locked, every tic is drawn and shown. On the schedule a tic that ends after
// the next one is due is neither drawn nor shown: the next runs at once, from
// its own input, and the picture is drawn for the tic that catches up, so
// slow drawing or a slow display costs pictures, not steps. But never more
// than six in a row, so the picture never freezes; and never a tic whose own
// work took longer than its slot: there catching up cannot help, and each
// tic is shown as the machine allows.
bool pacer_tic_done(FramePacer &pacer, long long began_ns, long long ticked_ns)
{
    pacer.began_ns = began_ns;
    pacer.ticked_ns = ticked_ns;
    return pacer.mode == PACE_LOCKED || frame_in_time(pacer.schedule, ticked_ns) ||
           pacer.unshown >= UNSHOWN_IN_A_ROW || ticked_ns - began_ns > NOMINAL_NS;
}

static void record_work(FramePacer &pacer, long long work_ns)
{
    pacer.work_ns[pacer.work_count % WORK_SAMPLES] = work_ns;
    pacer.work_count++;
}

// The median of the latest steady gaps: a late wake-up lengthens one gap and
// shortens the next, and leaves the median alone.
static long long median_gap(const FramePacer &pacer)
{
    long long sorted[STEADY_FRAMES];
    std::copy(pacer.gap_ns, pacer.gap_ns + STEADY_FRAMES, sorted);
    std::nth_element(sorted, sorted + STEADY_FRAMES / 2, sorted + STEADY_FRAMES);
    return sorted[STEADY_FRAMES / 2];
}

// On the schedule: flips returning about one 60 Hz period apart, the median
// gap within 1 % of it, may be a display that waits for its refresh, or one
// that does not wait and is paced by the schedule itself. A probe tells them
// apart: its frames start half a frame later, and only a waiting display
// still returns on its refreshes.
static void watch_returns(FramePacer &pacer, long long returned_ns)
{
    long long gap = returned_ns - pacer.last_return_ns;
    bool steady = pacer.last_return_ns != 0 && gap > NOMINAL_NS - ON_REFRESH_NS && gap < NOMINAL_NS + ON_REFRESH_NS;
    if (steady)
        pacer.gap_ns[pacer.steady++ % STEADY_FRAMES] = gap;
    else
        pacer.steady = 0;

    if (pacer.mode == PACE_PROBE) {
        pacer.probe_hits += distance_to_refresh(pacer, returned_ns) <= ON_REFRESH_NS;
        if (--pacer.probe_left == 0) {
            if (pacer.probe_hits == PROBE_FRAMES) {
                pacer.mode = PACE_LOCKED;
                pacer.off_refresh = 0;
                pacer.refresh_ns = pacer.base_refresh_ns = returned_ns;
                pacer.counted = 0;
            } else {
                pacer.mode = PACE_SCHEDULE;
                pacer.next_probe_frame = pacer.schedule.frame + REPROBE_FRAMES;
            }
        }
    } else if (pacer.steady >= STEADY_FRAMES && pacer.schedule.frame >= pacer.next_probe_frame &&
               std::abs(median_gap(pacer) - NOMINAL_NS) < STEADY_BAND_NS) {
        pacer.mode = PACE_PROBE;
        pacer.period_ns = median_gap(pacer);
        pacer.probe_left = PROBE_FRAMES;
        pacer.probe_hits = 0;
        pacer.refresh_ns = returned_ns;
    }
}

// Locked: a return on the refresh aimed at is a hit; a later refresh is a
// miss, and the safety grows by half a millisecond at once; each second of
// hits shrinks it by a sixty-fourth. So a machine whose wake-ups now and then
// come milliseconds late raises it until they no longer cost a refresh, and
// a quiet one lets it sink to a quarter of a millisecond.
// A return long after it is a stall (a stopped process), not a miss.
// Returns off the refreshes, a period that left the band or a flip that came
// back at once end the lock.
static void keep_lock(FramePacer &pacer, long long drawn_ns, long long returned_ns)
{
    long long since = returned_ns - pacer.refresh_ns;
    long long refreshes = (since + pacer.period_ns / 2) / pacer.period_ns;
    bool on_refresh = refreshes >= 1 && distance_to_refresh(pacer, returned_ns) <= ON_REFRESH_NS;
    bool at_once = returned_ns - drawn_ns < MS / 2 && !on_refresh;
    if (!on_refresh) {
        if (at_once || ++pacer.off_refresh >= 3)
            follow_schedule(pacer, returned_ns);
        return;
    }
    pacer.off_refresh = 0;
    bool stalled = returned_ns - pacer.target_ns > STALL_NS; // stopped, not slow: no reason to back off
    if (returned_ns > pacer.target_ns + ON_REFRESH_NS && !stalled) {
        pacer.safety_ns = std::min(pacer.safety_ns + SAFETY_STEP_NS, pacer.period_ns - MS);
        pacer.hits = 0;
    } else if (++pacer.hits >= HITS_TO_SHRINK) {
        pacer.safety_ns = std::max(SAFETY_FLOOR_NS, pacer.safety_ns - pacer.safety_ns / 64);
        pacer.hits = 0;
    }
    // Returns are only ever late, never before their refresh: one earlier
    // than predicted is taken as the refresh, and one later moves the
    // estimate a quarter of the way, at most a quarter of a millisecond, as
    // a display a little slower than estimated would. So a late wake-up
    // hardly moves it. The period is measured over the latest 30 refreshes,
    // where a millisecond either way is lost in half a second.
    long long error = since - refreshes * pacer.period_ns;
    pacer.refresh_ns += refreshes * pacer.period_ns + (error < 0 ? error : std::min(error, MS) / 4);
    pacer.counted += refreshes;
    if (pacer.counted >= PERIOD_REFRESHES) {
        pacer.period_ns = (pacer.refresh_ns - pacer.base_refresh_ns) / pacer.counted;
        pacer.base_refresh_ns = pacer.refresh_ns;
        pacer.counted = 0;
        if (pacer.period_ns < NOMINAL_NS - BAND_NS || pacer.period_ns > NOMINAL_NS + BAND_NS)
            follow_schedule(pacer, returned_ns);
    }
}

// A shown frame's cost, from when it was meant to start to its flip, is what
// the lock's margin is made of.
void pacer_frame_done(FramePacer &pacer, bool shown, long long drawn_ns, long long returned_ns)
{
    if (shown)
        record_work(pacer, drawn_ns - pacer.start_ns);
    pacer.unshown = shown ? 0 : pacer.unshown + 1;
    if (pacer.mode == PACE_LOCKED) {
        keep_lock(pacer, drawn_ns, returned_ns);
    } else {
        // The first flip sets the display up (30 ms or more on X): when it
        // comes back after the next frame was due, the schedule starts from
        // it. So does a tic whose own work outlasted its slot: the machine
        // is slower than the schedule, and catching up would be a burst.
        bool slow_first = shown && pacer.last_return_ns == 0 && !frame_in_time(pacer.schedule, returned_ns);
        bool slow_tic = pacer.ticked_ns - pacer.began_ns > NOMINAL_NS;
        next_frame(pacer.schedule);
        if (slow_first || slow_tic)
            pacer.schedule = start_schedule(returned_ns);
        else if (shown)
            watch_returns(pacer, returned_ns);
    }
    if (shown)
        pacer.last_return_ns = returned_ns;
}
