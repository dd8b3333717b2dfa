// The platform edge, time: a monotonic clock, a wait until a moment of it, and
// the CPU time the game's thread has had. Tests and the replay tool link
// made-up clocks and run the same loop on them.
#ifndef I_TIMER_H
#define I_TIMER_H

// i_system_*.cpp: nanoseconds on a clock that never goes back, and a sleep
// until a moment of it (in the browser, one that gives the page its turn).
long long i_now_ns();
void i_wait_until_ns(long long when_ns);
// The CPU time the calling thread has had, in nanoseconds: a tic that took
// long on the clock but short here was preempted, not slow. As fine as the
// platform keeps it (on Windows, whole clock ticks of 10 to 15.6 ms); in the
// browser, which keeps none, the clock itself.
long long i_cpu_ns();

#endif
