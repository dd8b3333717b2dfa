// Driver controls: a frame's gathered keys and pointer turned into view,
// drive mode, speed and steer.
#ifndef CONTROLS_H
#define CONTROLS_H

#include "vorkkeli.h"

void apply_controls(PlayState &ps, const TicCmd &cmd);

#endif
