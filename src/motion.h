// Vehicle motion: the car's step per frame in grip, slide and spin.
#ifndef MOTION_H
#define MOTION_H

#include "vorkkeli.h"

void step_motion(PlayState &ps);
// The car as at launch: where it started, at its first speed, in grip; the
// view and the piston's swing are not the car's.
void put_car_back(PlayState &ps);

#endif
