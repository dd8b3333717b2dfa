// Saving a surface as an RGB PNG file through libpng, for the replay tool's shots.
// Pixels are read through the surface's own format, whatever its depth.
#include "png_shot.h"

#include <png.h>
#include <cstdio>
#include <cstring>
#include <vector>

static Uint32 read_pixel(SDL_Surface *surface, int x, int y)
{
    int bpp = surface->format->BytesPerPixel;
    const Uint8 *p = (const Uint8 *)surface->pixels + y * surface->pitch + x * bpp;
    Uint32 value = 0;
    std::memcpy(&value, p, bpp); // little-endian host: the low bytes hold the pixel
    return value;
}

int save_png(SDL_Surface *surface, const char *path)
{
    FILE *file = fopen(path, "wb");
    if (file == NULL) {
        fprintf(stderr, "cannot write %s\n", path);
        return -1;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png ? png_create_info_struct(png) : NULL;
    if (png == NULL || info == NULL || setjmp(png_jmpbuf(png))) {
        fprintf(stderr, "cannot encode %s\n", path);
        png_destroy_write_struct(&png, &info);
        fclose(file);
        return -1;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, surface->w, surface->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);

    std::vector<Uint8> row(surface->w * 3);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; y++) {
        for (int x = 0; x < surface->w; x++)
            SDL_GetRGB(read_pixel(surface, x, y), surface->format, &row[3 * x], &row[3 * x + 1], &row[3 * x + 2]);
        png_write_row(png, row.data());
    }
    SDL_UnlockSurface(surface);

    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    return fclose(file) == 0 ? 0 : -1;
}
