// Saving a surface as an RGB PNG file through libpng, for the replay tool's shots.
#ifndef PNG_SHOT_H
#define PNG_SHOT_H

#include <SDL.h>

// Returns 0 on success, -1 with a message on standard error otherwise.
int save_png(SDL_Surface *surface, const char *path);

#endif
