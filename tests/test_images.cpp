// The region blit that every picture goes through, on made-up surfaces, and
// the track's fixed layout in the order it is stored.
#include <gtest/gtest.h>

#include <string>

#include "support.h"

static const Uint32 RED = 0xFF0000;

TEST(BlitRegion, WrapsCoordinatesAndCopiesTheClippedSourceSize)
{
    reset_surfaces();
    SDL_Surface *square = solid(8, 8, RED);
    // x keeps its low 16 bits and lands at 5; 1 x 1 asked, 8 x 8 copied.
    blit_region(screen, square, 2 * 65536 + 5, 70, 1, 1, 0, 0, 8, 8);
    // y 65535 is -1; the source region past the square's edge copies 4 x 2.
    blit_region(screen, square, 300, 65535, 64, 64, 4, 6, 64, 64);
    struct { int x, y; Uint32 rgb; } pixels[] = {
        {4, 70, 0}, {5, 70, RED}, {12, 77, RED}, {13, 77, 0}, {12, 78, 0},
        {300, 0, RED}, {303, 0, RED}, {304, 0, 0}, {300, 1, 0}};
    for (auto p : pixels)
        EXPECT_EQ(rgb_at(screen, p.x, p.y), p.rgb) << p.x << "," << p.y;
    SDL_FreeSurface(square);
}

// Column by column: road (3) down column 2 and across row 3, the start tile
// (1) in the four corners, grass (2) elsewhere.
TEST(Track, LayoutInStorageOrder)
{
    TrackMap track;
    init_track(track);
    std::string stored;
    for (int i = 0; i < TRACK_COLUMNS * TRACK_ROWS; i++)
        stored += (char)('0' + (&track[0][0])[i]);
    const std::string edge = "122322222221", grass = "222322222222";
    std::string expected = edge + grass + std::string(12, '3');
    for (int column = 3; column <= 9; column++)
        expected += grass;
    EXPECT_EQ(stored, expected + edge);
}
