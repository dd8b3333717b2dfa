// Vehicle motion: the car's step per frame in grip, slide and spin.
#ifndef MOTION_H
#define MOTION_H

#include "vorkkeli.h"

void step_motion(PlayState &ps);

#endif
