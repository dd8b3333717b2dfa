// Driver controls: sampling the keyboard and mouse once per frame and turning
// the held keys, buttons and pointer x into view, drive mode, speed and steer.
#include "vorkkeli.h"

// The only place the frame reads SDL's input state.
void apply_controls(PlayState &ps)
{
    const Uint8 *keys = SDL_GetKeyState(NULL);
    int pointer_x = 0;
    Uint8 buttons = SDL_GetMouseState(&pointer_x, NULL);
    act_on_controls(ps, keys, pointer_x, buttons);
}

// Level-triggered: every held key acts in every frame. keys is indexed by
// SDL 1.2 key codes, non-zero for held; buttons keeps its low 8 bits.
void act_on_controls(PlayState &ps, const Uint8 *keys, int pointer_x, int buttons)
{
    ps.mouse_x = pointer_x;
    ps.mouse_buttons = buttons & 0xFF;

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

    // Throttle and brake only grip; both may act in one frame. Unbounded.
    if (keys[SDLK_UP] && ps.drive_mode == DRIVE_GRIP)
        ps.speed = (float)((double)ps.speed + 0.1);
    if (keys[SDLK_DOWN] && ps.drive_mode == DRIVE_GRIP)
        ps.speed = (float)((double)ps.speed - 0.1);

    // Integer division truncating toward zero, so only three zones exist:
    // -0.5 up to x 220, 0.0 from 221 to 419, +0.5 from 420.
    ps.steer = (float)((ps.mouse_x - 320) / 100);
    if (ps.steer < -0.5f)
        ps.steer = -0.5f;
    if (ps.steer > 0.5f)
        ps.steer = 0.5f;
}
