// The display's checks on an X11 or Wayland desktop: no display at all, one
// that would not open, and an X server that goes away mid-game; and the
// window's settling after a switch.
#include <SDL/SDL_syswm.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "i_video.h"

static bool video_driver_is(const char *name)
{
    char driver[32] = "";
    SDL_VideoDriverName(driver, sizeof driver);
    return std::strcmp(driver, name) == 0;
}

// Without a display SDL quietly falls back to a driver that shows nothing, and
// the game would run unseen until killed. Those drivers count only when asked for.
static bool display_missing()
{
    bool headless = video_driver_is("offscreen") || video_driver_is("dummy");
    return headless && getenv("SDL_VIDEODRIVER") == NULL;
}

// Prints an environment value as " NAME=value" after separator, with control
// bytes and backslashes escaped so that nothing in it acts on the terminal;
// an unset or empty variable prints nothing. Returns whether it printed.
static bool print_variable(const char *name, const char *separator)
{
    const char *value = getenv(name);
    if (value == NULL || *value == '\0')
        return false;
    fprintf(stderr, "%s%s=", separator, name);
    for (const unsigned char *c = (const unsigned char *)value; *c != '\0'; c++) {
        if (*c < 0x20 || *c == 0x7f || *c == '\\')
            fprintf(stderr, "\\x%02x", *c);
        else
            fputc(*c, stderr);
    }
    return true;
}

// Says whether no display was named at all, or the one named would not open.
static void report_missing_display()
{
    const char *x11 = getenv("DISPLAY"), *wayland = getenv("WAYLAND_DISPLAY");
    if ((x11 == NULL || *x11 == '\0') && (wayland == NULL || *wayland == '\0')) {
        fprintf(stderr, "Näyttöä ei löytynyt: peli tarvitsee X- tai Wayland-näytön (DISPLAY tai WAYLAND_DISPLAY).\n");
        return;
    }
    fprintf(stderr, "Näyttöön ei saatu yhteyttä (");
    bool named = print_variable("DISPLAY", "");
    print_variable("WAYLAND_DISPLAY", named ? ", " : "");
    fprintf(stderr, "): onko näyttöpalvelin käynnissä?\n");
}

// Xlib ends the process from inside whatever call found the X server gone.
// Its own exit would run the libraries' destructors while SDL's audio thread
// still plays, which can crash; so the sound is stopped first, and the
// process ends without touching the dead connection again.
static int display_lost(Display *)
{
    fprintf(stderr, "Yhteys näyttöön katkesi: peli päättyy.\n");
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    _exit(1);
}

bool i_on_wayland()
{
    return video_driver_is("wayland");
}

int i_check_display()
{
    if (display_missing()) {
        report_missing_display();
        return 1;
    }
    if (video_driver_is("x11")) {
        // A server that goes away while the game writes to it would end the
        // process by SIGPIPE, silently; ignored, the write fails and Xlib
        // calls the handler, which says so.
        signal(SIGPIPE, SIG_IGN);
        XSetIOErrorHandler(display_lost);
    }
    return 0;
}

// After Alt+Enter the window manager resizes and places the window in its
// own time, and until SDL has seen that it maps the pointer through the old
// size and place: a pointer put back then lands off by the window's move (on
// a busy machine 20 to 60 of the picture's pixels, "360 then 380"). So the
// switch waits until the X window has the size it was switched to (640 x 480,
// or the screen's) and the same place at two looks 20 ms apart, events
// pumped between them. A window manager that never gets there (a screen of
// several monitors) costs a second once.
static const Uint32 SETTLE_LIMIT_MS = 1000, SETTLE_LOOK_MS = 20;

void i_wait_window_settled()
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!video_driver_is("x11") || SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11)
        return;
    Display *display = info.info.x11.display;
    Window window = info.info.x11.window, child;
    XWindowAttributes root, now;
    XGetWindowAttributes(display, DefaultRootWindow(display), &root);
    bool full = (screen->flags & SDL_FULLSCREEN) != 0;
    int width = full ? root.width : screen->w, height = full ? root.height : screen->h;
    int x = 0, y = 0, last_x = -1, last_y = -1;
    for (Uint32 until = SDL_GetTicks() + SETTLE_LIMIT_MS; SDL_GetTicks() < until; SDL_Delay(SETTLE_LOOK_MS)) {
        SDL_PumpEvents();
        if (!XGetWindowAttributes(display, window, &now))
            return;
        XTranslateCoordinates(display, window, root.root, 0, 0, &x, &y, &child);
        if (now.width == width && now.height == height && x == last_x && y == last_y)
            return;
        last_x = x, last_y = y;
    }
}
