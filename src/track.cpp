// The track: the fixed 11 x 12 grid of tile codes and drawing it tile by tile
// over the backdrop of the driving view.
#include "images.h"
#include "track.h"

// Road (3) down column 2 and across row 3, the start tile (1) in the four
// corners, grass (2) elsewhere. Only columns 0-9 and rows 0-7 reach the screen.
void init_track(TrackMap track)
{
    for (int column = 0; column < TRACK_COLUMNS; column++) {
        for (int row = 0; row < TRACK_ROWS; row++) {
            bool corner = (column == 0 || column == TRACK_COLUMNS - 1) && (row == 0 || row == TRACK_ROWS - 1);
            if (column == 2 || row == 3)
                track[column][row] = 3;
            else if (corner)
                track[column][row] = 1;
            else
                track[column][row] = 2;
        }
    }
}

static SDL_Surface *tile_image(int code)
{
    switch (code) {
    case 1: return laatta1;
    case 2: return laatta2;
    case 3: return laatta3;
    default: return NULL;
    }
}

// One blit per drawable cell, no culling: off-screen cells are clipped to
// nothing by the blit itself.
void draw_track(SDL_Surface *dst, const TrackMap track, float map_origin_x, float map_origin_y)
{
    for (int column = 0; column < TRACK_COLUMNS; column++) {
        for (int row = 0; row < TRACK_ROWS; row++) {
            SDL_Surface *image = tile_image(track[column][row]);
            if (image == NULL) // another code, or a tile that did not load
                continue;
            // Float sum, then truncation toward zero.
            int x = (int)((float)(TILE_SIZE * column) + map_origin_x);
            int y = (int)((float)(TILE_SIZE * row) + map_origin_y);
            blit_region(dst, image, x, y, TILE_SIZE, TILE_SIZE, 0, 0, TILE_SIZE, TILE_SIZE);
        }
    }
}
