// A preload library for measuring the real game: counts SDL_Flip calls and,
// when the process ends, writes frames, seconds and frames per second to stderr.
#include <SDL.h>
#include <dlfcn.h>
#include <time.h>
#include <cstdio>

static long flips = 0;
static timespec first;

static double since_first()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - first.tv_sec) + (double)(now.tv_nsec - first.tv_nsec) / 1e9;
}

extern "C" int SDL_Flip(SDL_Surface *surface)
{
    typedef int (*Flip)(SDL_Surface *);
    static Flip real = (Flip)dlsym(RTLD_NEXT, "SDL_Flip");
    if (flips++ == 0)
        clock_gettime(CLOCK_MONOTONIC, &first);
    return real(surface);
}

__attribute__((destructor)) static void report()
{
    if (flips > 1) {
        double seconds = since_first();
        fprintf(stderr, "\nflips=%ld seconds=%.3f fps=%.1f\n", flips, seconds, (flips - 1) / seconds);
    }
}
