// The platform edge, time: a monotonic clock and a wait until a moment of it.
// Tests and the replay tool link made-up clocks and run the same loop on them.
#ifndef I_TIMER_H
#define I_TIMER_H

// i_system_*.cpp: nanoseconds on a clock that never goes back, and a sleep
// until a moment of it (in the browser, one that gives the page its turn).
long long i_now_ns();
void i_wait_until_ns(long long when_ns);

#endif
