// Image assets: the eight picture handles, loading them, their colour keys,
// and the one region blit through which every picture reaches the screen.
#include <SDL_image.h>
#include <cstdio>

#include "images.h"

SDL_Surface *kuula = NULL;
SDL_Surface *kuva = NULL;
SDL_Surface *laatta1 = NULL;
SDL_Surface *laatta2 = NULL;
SDL_Surface *laatta3 = NULL;
SDL_Surface *mopo = NULL;
SDL_Surface *piston = NULL;
SDL_Surface *volvo = NULL;

SDL_Surface *load_image(const char *file_name)
{
    SDL_Surface *image = IMG_Load(file_name);
    if (image == NULL)
        fprintf(stderr, "Kuvan lataaminen ei onnistu %s: %s\n", file_name, SDL_GetError());
    return image;
}

// Destination first, source second: the reverse of SDL's own blit call.
// Each int keeps only its low 16 bits (so a far coordinate wraps), and the
// destination size is carried along but never limits the copy.
void blit_region(SDL_Surface *dst, SDL_Surface *src, int dst_x, int dst_y, int dst_w, int dst_h,
                 int src_x, int src_y, int src_w, int src_h)
{
    SDL_Rect to;
    to.x = (Sint16)dst_x;
    to.y = (Sint16)dst_y;
    to.w = (Uint16)dst_w;
    to.h = (Uint16)dst_h;
    SDL_Rect from;
    from.x = (Sint16)src_x;
    from.y = (Sint16)src_y;
    from.w = (Uint16)src_w;
    from.h = (Uint16)src_h;
    SDL_UpperBlit(src, &from, dst, &to);
}

// Start-up order; a failed file has printed its line and leaves its handle null.
void load_images()
{
    kuula = load_image("kuula.png");
    kuva = load_image("kuva.png");
    laatta1 = load_image("laatta1.png");
    laatta2 = load_image("laatta2.png");
    laatta3 = load_image("laatta3.png");
    mopo = load_image("mopo.png");
    piston = load_image("piston.png");
    volvo = load_image("volvo.png");
}

static void set_key(SDL_Surface *image, Uint8 r, Uint8 g, Uint8 b)
{
    if (image == NULL) // an image that failed to load has no format to map through
        return;
    SDL_SetColorKey(image, SDL_SRCCOLORKEY, SDL_MapRGB(image->format, r, g, b));
}

// Runs every frame, although the keys never change: setting the same key
// again leaves the pictures as they are.
void apply_colour_keys()
{
    set_key(kuula, 0, 0, 0);
    set_key(mopo, 255, 0, 255);
    set_key(volvo, 0, 0, 0);
    set_key(piston, 255, 0, 255);
}

// The car's black is transparent, as its colour key says. A turned copy has
// an alpha channel, and SDL 1.2 blends such a surface by its alpha and
// ignores its colour key (only some versions of SDL 1.2 on SDL2 match the key
// first), so in the copy the rule is kept as alpha: exactly black pixels get
// alpha 0, and nothing else changes.
void make_black_transparent(SDL_Surface *image)
{
    if (image == NULL || image->format->BytesPerPixel != 4 || image->format->Amask == 0)
        return;
    SDL_LockSurface(image);
    for (int y = 0; y < image->h; y++) {
        Uint32 *row = (Uint32 *)((Uint8 *)image->pixels + y * image->pitch);
        for (int x = 0; x < image->w; x++)
            if ((row[x] & ~image->format->Amask) == 0)
                row[x] = 0;
    }
    SDL_UnlockSurface(image);
}
