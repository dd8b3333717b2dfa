// The game's video edge on a desktop (Linux, Windows): the full-screen
// window with its title and icon, the pointer put straight ahead, the switch
// between full screen and a window, and the flip.
#include <SDL_image.h>

#include <cstdio>
#include <vector>

#include "i_input.h"
#include "i_video.h"
#include "window_icon.h"

// The car as the window's icon, set before the video mode as SDL 1.2 wants
// it: 32 x 32, with a mask (a bit a pixel, rows whole bytes) of its opaque
// pixels. A picture that does not load leaves SDL's own icon.
static void set_window_icon()
{
    SDL_Surface *icon = IMG_Load_RW(SDL_RWFromConstMem(WINDOW_ICON_PNG, sizeof WINDOW_ICON_PNG), 1);
    if (icon == NULL || icon->format->BytesPerPixel != 4) {
        SDL_FreeSurface(icon);
        return;
    }
    int row_bytes = (icon->w + 7) / 8;
    std::vector<Uint8> mask(row_bytes * icon->h);
    SDL_LockSurface(icon);
    for (int y = 0; y < icon->h; y++)
        for (int x = 0; x < icon->w; x++) {
            Uint32 pixel = ((Uint32 *)((Uint8 *)icon->pixels + y * icon->pitch))[x];
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, icon->format, &r, &g, &b, &a);
            if (a >= 128)
                mask[y * row_bytes + x / 8] |= (Uint8)(0x80 >> (x % 8));
        }
    SDL_UnlockSurface(icon);
    SDL_WM_SetIcon(icon, mask.data());
    SDL_FreeSurface(icon);
}

SDL_Surface *i_open_screen(const char *title, int width, int height)
{
    // Checked, and watched, before the window opens: SDL has chosen its
    // driver, and opening the window can take a second (setting up OpenGL),
    // during which the display may go away too.
    if (i_check_display() != 0)
        return NULL;
    SDL_WM_SetCaption(title, NULL);
    set_window_icon();
    // SDL 1.2 on SDL2 holds the pointer in a full-screen video mode; under
    // Wayland that confines it, and the compositor then moves its pointer by
    // clamped steps that drift from where the hand puts it (a tablet's or a
    // virtual machine's absolute pointer, so far off the picture). There the
    // window opens as a window and is switched to full screen, which does
    // not hold the pointer.
    bool hold_free = i_on_wayland();
    SDL_Surface *surface =
        SDL_SetVideoMode(width, height, 32, (hold_free ? 0 : SDL_FULLSCREEN) | SDL_DOUBLEBUF | SDL_HWSURFACE);
    if (surface == NULL) {
        fprintf(stderr, "Näyttötilaa ei saatu avattua: %s\n", SDL_GetError());
        return NULL;
    }
    if (hold_free)
        SDL_WM_ToggleFullScreen(surface);
    // Until the pointer first moves, SDL may place it by a guess that ignores
    // the letterbox of a larger screen; put it at the centre, straight ahead.
    i_centre_pointer(width, height);
    return surface;
}

// Full screen becomes a 640 x 480 window and back. The title stays, and the
// display surface is the same size, so nothing the game draws changes.
// SDL 1.2 on SDL2 grabs the pointer for a full-screen mode and keeps the grab
// through the switch; a window must let the pointer go to the desktop, so the
// grab is asked off (full screen keeps it all the same).
void i_switch_window()
{
    SDL_WM_ToggleFullScreen(screen);
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    i_wait_window_settled();
}

void i_finish_frame(const PlayState &, bool shown)
{
    if (shown)
        SDL_Flip(screen);
}

bool i_animation_frames()
{
    return false;
}
