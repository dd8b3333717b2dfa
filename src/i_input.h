// The platform edge, input: the pointer put straight ahead, then each tic's
// input gathered into its TicCmd, which live play, the replay and tests share.
#ifndef I_INPUT_H
#define I_INPUT_H

#include "vorkkeli.h"

// i_input.cpp: the pointer put where the game reads straight ahead, or, where
// it cannot be moved, read so until it first moves. Then each frame: the
// event queue drained (an Escape key-down or the close request sets quit),
// then the held keys, the pointer's x and the buttons. False when the input
// has ended, which only a script's can.
void i_centre_pointer(int width, int height);
bool i_gather_tic(TicCmd &cmd);

#endif
