// The game's video edge in a browser: the page's canvas at 640 x 480, its
// checks, and each shown picture handed over on the browser's next animation
// frame, which is the display's refresh to the game's loop.
#include <emscripten.h>

#include <cstdio>

#include "i_input.h"
#include "i_video.h"

// Returns to the game on the browser's next animation frame, the page having
// drawn the picture meanwhile.
EM_JS(void, wait_for_animation_frame, (), {
    Asyncify.handleSleep(function(wake_up) { requestAnimationFrame(function() { wake_up(); }); });
});

// Not full screen: that would size the canvas to the screen and ask the
// browser for full screen on the first key, where Escape would only leave
// full screen. The page has its own full-screen button.
SDL_Surface *i_open_screen(const char *title, int width, int height)
{
    SDL_WM_SetCaption(title, NULL);
    SDL_Surface *surface = SDL_SetVideoMode(width, height, 32, SDL_DOUBLEBUF | SDL_HWSURFACE);
    if (surface == NULL) {
        fprintf(stderr, "Näyttötilaa ei saatu avattua: %s\n", SDL_GetError());
        return NULL;
    }
    if (i_check_display() != 0)
        return NULL;
    // A page cannot move the pointer: it reads straight ahead until it first moves.
    i_centre_pointer(width, height);
    return surface;
}

// The page's canvas is there for as long as the page, and a failed video
// mode is reported above.
int i_check_display()
{
    return 0;
}

bool i_on_wayland()
{
    return false;
}

// The page's own button switches to full screen and back.
void i_switch_window() {}

void i_finish_frame(const PlayState &, bool shown)
{
    if (!shown)
        return;
    SDL_Flip(screen);
    wait_for_animation_frame();
}

// The game wakes inside the animation frame's callbacks.
bool i_animation_frames()
{
    return true;
}
