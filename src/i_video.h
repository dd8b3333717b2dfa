// The platform edge, the display: the game's surface opened the platform's
// way, each frame's picture shown or left, and the display's own checks.
#ifndef I_VIDEO_H
#define I_VIDEO_H

#include "vorkkeli.h"

// i_video*.cpp: the window (full screen on a desktop, the page's canvas in a
// browser) with its title, and a display surface of width x height; null
// with the reason printed (SDL is still up), or when the display's checks,
// made before the window opens, fail. The pointer is put straight ahead.
SDL_Surface *i_open_screen(const char *title, int width, int height);
// Each frame's picture: shown, or left unshown when it came too late.
void i_finish_frame(const PlayState &ps, bool shown);
// Whether the display is a page's animation frames: each flip returns at
// the next, and what the game draws as it wakes there is painted in that
// frame (a timer set to wake it just before the next frame as often as not
// wakes it after that frame has begun). Elsewhere a flip waits for the
// refresh that shows its picture, or does not wait at all.
bool i_animation_frames();
// Alt+Enter: full screen to a window, or back (where the platform has both).
void i_switch_window();
// i_display_*.cpp (in the browser, i_video_web.cpp): no display at all, one
// that would not open, one that goes away.
int i_check_display();
// Whether the display is a Wayland compositor's, which lets no client move
// or hold the pointer.
bool i_on_wayland();
// After a switch: returns once the window has the size it was switched to
// and stays in place (or after a second), SDL having seen it.
void i_wait_window_settled();

#endif
