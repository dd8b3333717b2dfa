// The engine view: the piston swinging down and up on black, driven by a
// running sum of sines of a phase that grows for as long as the view is shown.
#include <cmath>

#include "engine_view.h"
#include "images.h"

enum { PISTON_WIDTH = 102, PISTON_HEIGHT = 93 };

// Both fields are floats on purpose; the phase is never wrapped, so its step
// rounds more coarsely as it grows and the swing drifts by a few hundredths.
void step_piston(PlayState &ps)
{
    // std::sin of a float would be the float sine: the phase is widened first.
    ps.piston_offset = (float)(ps.piston_offset + 1.0 * std::sin((double)ps.piston_phase));
    ps.piston_phase = (float)(ps.piston_phase + 0.025);
}

// Truncation toward zero: an offset of -0.002 draws at y 49, not 50.
int piston_y(const PlayState &ps)
{
    return (int)(50.0 + ps.piston_offset);
}

// Centred across the screen: x 269.
void draw_engine_view(const PlayState &ps)
{
    blit_region(screen, piston, (SCREEN_WIDTH - PISTON_WIDTH) / 2, piston_y(ps), PISTON_WIDTH, PISTON_HEIGHT, 0, 0,
                PISTON_WIDTH, PISTON_HEIGHT);
}
