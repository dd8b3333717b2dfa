// The worked examples behind the golden frames: where the turned car lands,
// and the piston's swing in the engine view.
#include <gtest/gtest.h>

#include <cmath>

#include "driving_view.h"
#include "engine_view.h"
#include "support.h"

// A 37 x 41 turned car with a 20 x 30 footprint at (100.7, 17.5) lands at
// (82, -2): -8 - 10 and -5 - 15 added, each sum truncated toward zero.
TEST(DrivingView, CarPlacementUsesIntegerHalvesAndTruncatesTowardZero)
{
    struct Row { float centre; int rotated, footprint, at; } rows[] = {
        {100.7f, 37, 20, 82}, {17.5f, 41, 30, -2}, {0.0f, 36, 21, -17},
        {0.0f, 15, 20, -8}, // a footprint wider than the box: 2 - 10
        {17.5f, 37, 20, 0}, {9.3f, 37, 20, -8}, // -0.5 and -8.7
    };
    for (const Row &row : rows)
        EXPECT_EQ(sprite_position(row.centre, row.rotated, row.footprint), row.at) << row.centre;
}

TEST(EngineView, PistonSwingsAsTheTableSays)
{
    struct Row { int n; double phase, offset; int y; } rows[] = {
        {1, 0.025, 0.0, 50},           {2, 0.05, 0.0249974, 50},
        {126, 3.150003, 79.99859, 129}, {251, 6.275015, 0.0056929, 50},
        {252, 6.300015, -0.0024774, 49}, {10000, 249.976, 31.78, 81}};
    PlayState ps = fresh_state();
    int n = 0;
    for (const Row &row : rows) {
        for (; n < row.n; n++)
            step_piston(ps);
        bool rough = n == 10000; // given to fewer places
        EXPECT_NEAR(ps.piston_phase, row.phase, rough ? 5e-4 : 5e-6) << "frame " << n;
        EXPECT_NEAR(ps.piston_offset, row.offset, rough ? 5e-3 : 5e-7 * std::fmax(1, std::fabs(row.offset)))
            << "frame " << n;
        EXPECT_EQ(piston_y(ps), row.y) << "frame " << n;
    }
}
