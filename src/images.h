// The eight pictures: their handles, loading them, their colour keys, and the
// region blit through which every picture reaches the screen.
#ifndef IMAGES_H
#define IMAGES_H

#include <SDL.h>

// Null until loaded, and when a file did not load.
extern SDL_Surface *kuula, *kuva, *laatta1, *laatta2, *laatta3, *mopo, *piston, *volvo;

SDL_Surface *load_image(const char *file_name);
// Destination first, then source; each rectangle as x, y, width, height.
void blit_region(SDL_Surface *dst, SDL_Surface *src, int dst_x, int dst_y, int dst_w, int dst_h,
                 int src_x, int src_y, int src_w, int src_h);
void load_images();
void apply_colour_keys();
// Exactly black pixels of a 32-bit surface with alpha become transparent.
void make_black_transparent(SDL_Surface *image);

#endif
