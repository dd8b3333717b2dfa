// The game's system edge on Windows: the game's own folder as the working
// folder, the vsync request, the performance counter as the clock, a
// high-resolution waitable timer as the sleep, and the thread's times.
#include <windows.h>

#include "i_system.h"
#include "i_timer.h"
#include "schedule.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// Started from a shortcut or another folder, the game still finds its
// pictures and sound: they lie beside the executable. SDL reads its settings
// from the process's environment, where a user's own value wins. Sound goes
// through DirectSound: where there is no sound device, SDL's default,
// WASAPI, can take 8 s to give up (under Wine), with the window up and
// frozen; DirectSound says so at once, and plays a jingle as well.
void i_init_system()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\' && path[length - 1] != L'/')
        length--;
    if (length > 0 && length < MAX_PATH) {
        path[length] = L'\0';
        SetCurrentDirectoryW(path);
    }
    if (GetEnvironmentVariableA("SDL12COMPAT_SYNC_TO_VBLANK", NULL, 0) == 0)
        SetEnvironmentVariableA("SDL12COMPAT_SYNC_TO_VBLANK", "1");
    if (GetEnvironmentVariableA("SDL_AUDIODRIVER", NULL, 0) == 0)
        SetEnvironmentVariableA("SDL_AUDIODRIVER", "directsound,wasapi,winmm");
}

long long i_now_ns()
{
    static LARGE_INTEGER frequency;
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    long long seconds = now.QuadPart / frequency.QuadPart, rest = now.QuadPart % frequency.QuadPart;
    return seconds * NS_PER_SECOND + rest * NS_PER_SECOND / frequency.QuadPart;
}

// Windows counts a thread's times in clock ticks (at most 15.6 ms; 10 ms
// under Wine), so a tic of ordinary cost reads 0 or one tick, less than a
// slot either way. (The thread's cycle count would be finer, but Wine does
// not keep one, and its rate is not the clock's.)
long long i_cpu_ns()
{
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0; // never fails for the thread itself; were it to, no tic would read as slow
    ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
    return (long long)(k.QuadPart + u.QuadPart) * 100;
}

// A high-resolution timer wakes within a fraction of a millisecond; where
// Windows has none (before Windows 10), an ordinary one with the system timer
// at 1 ms does nearly as well.
void i_wait_until_ns(long long when_ns)
{
    static HANDLE timer = NULL;
    if (timer == NULL) {
        timer = CreateWaitableTimerExW(NULL, NULL, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
        if (timer == NULL) {
            timeBeginPeriod(1);
            timer = CreateWaitableTimerW(NULL, FALSE, NULL);
        }
    }
    for (long long left = when_ns - i_now_ns(); left > 0; left = when_ns - i_now_ns()) {
        LARGE_INTEGER due;
        due.QuadPart = -(left + 99) / 100; // relative, in 100 ns
        if (timer == NULL || !SetWaitableTimer(timer, &due, 0, NULL, NULL, FALSE)) {
            Sleep((DWORD)(left / 1000000));
            return;
        }
        WaitForSingleObject(timer, INFINITE);
    }
}
