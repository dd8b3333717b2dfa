// Vehicle motion: one step per frame of speed decay, heading turn and wrap,
// mouse throttle, and the grip / slide / spin update with its mode switches.
#include <cmath>

#include "motion.h"

// Degrees to radians by this divisor, not by a computed pi / 180.
static const double DEGREES_PER_RADIAN = 57.29577950560105;

// Every expression below is evaluated in double and rounded to float only
// where it is stored. A double constant makes C++ do that by itself; where
// two floats meet, one is cast to double so the product is not rounded early.

static void set_velocity_along_heading(PlayState &ps)
{
    ps.vel_x = (float)(std::sin(ps.heading / DEGREES_PER_RADIAN) * ps.speed);
    ps.vel_y = (float)(std::cos(ps.heading / DEGREES_PER_RADIAN) * ps.speed);
}

// vel_y points up the screen, hence the subtraction.
static void move_by_velocity(PlayState &ps)
{
    ps.pos_x = (float)((double)ps.pos_x + ps.vel_x);
    ps.pos_y = (float)((double)ps.pos_y - ps.vel_y);
}

static void step_grip(PlayState &ps)
{
    set_velocity_along_heading(ps);
    move_by_velocity(ps);
    ps.yaw_rate = ps.steer;
    ps.sprite_angle = ps.heading;
    ps.travel_heading = ps.heading;
    double lateral = (double)ps.yaw_rate * ps.speed;
    if (lateral > 1.5)
        ps.drive_mode = DRIVE_SLIDE;
    if (lateral < -1.5)
        ps.drive_mode = DRIVE_SLIDE;
}

// The car glides on the velocity of the last grip or spin frame. Headings are
// compared as they stand, without wrapping: 359 versus 1 is a large gap.
static void step_slide(PlayState &ps)
{
    move_by_velocity(ps);
    ps.yaw_rate = (float)(ps.yaw_rate * 0.99);
    if (ps.travel_heading < ps.heading)
        ps.yaw_rate = (float)(ps.yaw_rate - 0.01);
    if (ps.travel_heading > ps.heading)
        ps.yaw_rate = (float)(ps.yaw_rate + 0.01);

    // 360 / 6.28, not 180 / pi: the steering offset has its own scale.
    double target = ps.heading - ((double)ps.steer * 360.0f) / 6.28;
    if (target > ps.travel_heading)
        ps.yaw_rate = (float)(ps.yaw_rate - 0.015);
    if (target < ps.travel_heading)
        ps.yaw_rate = (float)(ps.yaw_rate + 0.015);

    ps.sprite_angle = ps.heading;
    double gap = (double)ps.travel_heading - ps.heading - ps.steer;
    if (gap > -1.5 && gap < 1.5)
        ps.drive_mode = DRIVE_GRIP;
}

// No way out of spin but a key. The heading already turned by the previous
// frame's yaw_rate before this copy, so spin steers one frame late.
static void step_spin(PlayState &ps)
{
    set_velocity_along_heading(ps);
    move_by_velocity(ps);
    ps.yaw_rate = ps.steer;
}

void step_motion(PlayState &ps)
{
    ps.speed = (float)(ps.speed * 0.98);

    // The heading turns only while the driving view is shown.
    if (ps.view_mode == VIEW_DRIVING) {
        float turn = ps.drive_mode == DRIVE_GRIP ? ps.steer : ps.yaw_rate;
        ps.heading = (float)((double)ps.speed * turn + ps.heading);
    }

    // One test each, strict: exactly 360.0 and 0.0 stay as they are.
    if (ps.heading > 360.0f)
        ps.heading = (float)(ps.heading - 360.0);
    if (ps.heading < 0.0f)
        ps.heading = (float)(ps.heading + 360.0);

    // The mouse throttle acts after the turn, so the turn saw the decayed speed.
    if (ps.drive_mode == DRIVE_GRIP) {
        if (ps.mouse_buttons & 1)
            ps.speed = (float)(ps.speed + 0.1);
        if (ps.mouse_buttons & 4)
            ps.speed = (float)(ps.speed - 0.1);
    }

    if (ps.drive_mode == DRIVE_GRIP)
        step_grip(ps);
    else if (ps.drive_mode == DRIVE_SLIDE)
        step_slide(ps);
    else if (ps.drive_mode == DRIVE_SPIN)
        step_spin(ps);
}

// R, a key of the player's own beside the rest: a car that slid off the
// screen comes back. Every field the motion step uses is the launch value,
// so the car drives on exactly as it would from a fresh start.
void put_car_back(PlayState &ps)
{
    PlayState launch;
    init_play_state(launch);
    ps.pos_x = launch.pos_x;
    ps.pos_y = launch.pos_y;
    ps.vel_x = launch.vel_x;
    ps.vel_y = launch.vel_y;
    ps.speed = launch.speed;
    ps.heading = launch.heading;
    ps.yaw_rate = launch.yaw_rate;
    ps.travel_heading = launch.travel_heading;
    ps.sprite_angle = launch.sprite_angle;
    ps.drive_mode = launch.drive_mode;
}
