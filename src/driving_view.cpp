// The driving view: backdrop, track, the car turned afresh from volvo every
// frame and centred on its position, and the two fixed marks at the top left.
#include <SDL_gfxPrimitives.h>
#include <SDL_rotozoom.h>

#include "driving_view.h"
#include "images.h"
#include "track.h"

SDL_Surface *vehicle_rotated = NULL;

// Spin draws the body turned away from the heading by the steering, scaled by
// 360 / 6.28 (6.28, not 2 pi).
double sprite_rotation(const PlayState &ps)
{
    if (ps.drive_mode == DRIVE_SPIN)
        return (0.0 - ps.heading) - ((double)ps.steer * 360.0f / 6.28);
    return 0.0 - ps.sprite_angle;
}

// Where the turned car's box starts on one axis: centred by the integer halves
// of the box's growth over mopo's footprint and of the footprint, each
// truncating toward zero (Wr 36, Wm 21 gives -7 - 10 = -17, not -18), then
// the double sum truncated toward zero as well (-0.5 lands on 0, -8.7 on -8).
int sprite_position(float centre, int rotated_size, int footprint_size)
{
    int offset = -((rotated_size - footprint_size) / 2) - (footprint_size / 2);
    return (int)((double)centre + offset); // a float sum would round first
}

// A missing volvo or mopo, or a failed rotation, leaves the car out of this
// frame; vehicle_rotated keeps the last good surface.
static void draw_vehicle(const PlayState &ps)
{
    if (volvo == NULL || mopo == NULL)
        return;
    SDL_Surface *turned = rotozoomSurface(volvo, sprite_rotation(ps), 1.0, 1);
    if (turned == NULL)
        return;
    make_black_transparent(turned);
    SDL_FreeSurface(vehicle_rotated);
    vehicle_rotated = turned;

    int wr = vehicle_rotated->w, hr = vehicle_rotated->h;
    int x = sprite_position(ps.pos_x, wr, mopo->w);
    int y = sprite_position(ps.pos_y, hr, mopo->h);
    blit_region(screen, vehicle_rotated, x, y, wr, hr, 0, 0, wr, hr);
}

void draw_driving_view(const PlayState &ps)
{
    blit_region(screen, kuva, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    draw_track(screen, ps.track, ps.map_origin_x, ps.map_origin_y);
    draw_vehicle(ps);
    pixelColor(screen, 5, 5, 0x483F807C);      // dark blue-violet, about half opaque
    lineColor(screen, 10, 10, 110, 110, 0x00000099); // translucent black diagonal
}
