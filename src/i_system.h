// The platform edge: what the game asks of the machine it runs on. The game
// links the real one (i_*.cpp); the replay tool and the tests link their own,
// with made-up clocks, input and displays, and run the same loop on it.
#ifndef I_SYSTEM_H
#define I_SYSTEM_H

#include "vorkkeli.h"

// i_system_*.cpp: readies the process before SDL starts (SDL asked to wait
// for the display's refresh unless the user has said otherwise; on Windows
// the game's own folder made the working folder); a monotonic clock in
// nanoseconds, and a sleep until a moment of it.
void i_init_system();
long long i_now_ns();
void i_wait_until_ns(long long when_ns);

// i_video.cpp: called once the video mode is set; 0 when the game may go on,
// 1 with the reason printed (SDL is still up). Then each frame's picture:
// shown, or left unshown when it came too late.
int i_display_ready(const PlayState &ps);
void i_finish_frame(const PlayState &ps, bool shown);
// Alt+Enter: full screen to a window, or back.
void i_switch_window();
// i_display_*.cpp: the platform's own display checks, as i_display_ready's.
int i_check_display();

// i_input.cpp: the pointer put where the game reads straight ahead, or, where
// it cannot be moved, read so until it first moves. Then each frame: the
// event queue drained (an Escape key-down or the close request sets quit),
// then the held keys, the pointer's x and the buttons. False when the input
// has ended, which only a script's can.
void i_centre_pointer(int width, int height);
bool i_gather_tic(TicCmd &cmd);

#endif
