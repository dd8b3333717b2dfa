// Driver controls: the frame's sampled keyboard and mouse turned into view,
// drive mode, speed and steer, once per frame.
#include "controls.h"
#include "sound.h"

// Level-triggered: every held key acts in every frame it is held.
void apply_controls(PlayState &ps, const TicCmd &cmd)
{
    const Uint8 *keys = cmd.keys;
    ps.mouse_x = cmd.pointer_x;
    ps.mouse_buttons = cmd.buttons & 0xFF; // the query's low 8 bits

    // Later tests win: F2 over F1, F6 over F5 over F4.
    if (keys[SDLK_F1])
        ps.view_mode = VIEW_DRIVING;
    if (keys[SDLK_F2])
        ps.view_mode = VIEW_ENGINE;
    if (keys[SDLK_F3])
        play_sound(ps.sound_chunk);
    if (keys[SDLK_F4])
        ps.drive_mode = DRIVE_GRIP;
    if (keys[SDLK_F5])
        ps.drive_mode = DRIVE_SLIDE;
    if (keys[SDLK_F6])
        ps.drive_mode = DRIVE_SPIN;
    if (keys[SDLK_F12])
        ps.mouse_x = 0;

    // Throttle and brake only grip; both may act in one frame. Unbounded. The
    // double 0.1 makes each sum double, rounded to float where it is stored.
    if (keys[SDLK_UP] && ps.drive_mode == DRIVE_GRIP)
        ps.speed = (float)(ps.speed + 0.1);
    if (keys[SDLK_DOWN] && ps.drive_mode == DRIVE_GRIP)
        ps.speed = (float)(ps.speed - 0.1);

    // Integer division truncating toward zero, so only three zones exist:
    // -0.5 up to x 220, 0.0 from 221 to 419, +0.5 from 420.
    ps.steer = (float)((ps.mouse_x - SCREEN_CENTRE_X) / 100);
    if (ps.steer < -0.5f)
        ps.steer = -0.5f;
    if (ps.steer > 0.5f)
        ps.steer = 0.5f;
}
