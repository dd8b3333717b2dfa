// The track grid: its fixed layout in storage order, and which tile image
// each screen pixel comes from.
#include <gtest/gtest.h>

#include <string>

#include "support.h"

TEST(Track, LayoutInStorageOrder)
{
    TrackMap track;
    init_track(track);
    std::string stored;
    for (int i = 0; i < TRACK_COLUMNS * TRACK_ROWS; i++)
        stored += (char)('0' + (&track[0][0])[i]);
    const std::string edge = "122322222221", road = "333333333333", grass = "222322222222";
    std::string expected = edge + grass + road;
    for (int column = 3; column <= 9; column++)
        expected += grass;
    expected += edge;
    EXPECT_EQ(stored, expected);
}

// Tiles whose every line has its own colour, distinct per tile image.
static SDL_Surface *striped_tile(int size, Uint8 red)
{
    SDL_Surface *tile = make_surface(size, size, 24);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            put_rgb(tile, x, y, red, (Uint8)y, (Uint8)(x == 0 && y == 0 ? 7 : 0));
    return tile;
}

TEST(Track, EachScreenPixelComesFromItsCellsTile)
{
    reset_surfaces();
    TrackMap track;
    init_track(track);
    laatta1 = striped_tile(64, 10);
    laatta2 = striped_tile(64, 20);
    laatta3 = striped_tile(64, 30);
    draw_track(screen, track, 0.0f, 0.0f);

    EXPECT_EQ(rgb_at(screen, 0, 0), 0x0A0007u);   // laatta1's own top-left pixel
    EXPECT_EQ(rgb_at(screen, 639, 0), 0x140000u); // laatta2, not a corner tile
    EXPECT_EQ(rgb_at(screen, 130, 10), 0x1E0A00u);
    EXPECT_EQ(rgb_at(screen, 300, 200), 0x1E0800u);
    EXPECT_EQ(rgb_at(screen, 300, 300), 0x142C00u);
    EXPECT_EQ(rgb_at(screen, 300, 479), 0x141F00u); // line 31 of the row-7 tile
    EXPECT_EQ(rgb_at(screen, 150, 479), 0x1E1F00u);
}

TEST(Track, OddSizedTilesAndEmptyCellsLeaveTheBackdrop)
{
    reset_surfaces();
    TrackMap track;
    init_track(track);
    track[5][5] = 0; // x 320-383, y 320-383
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 255));
    laatta1 = striped_tile(64, 10);
    laatta2 = striped_tile(80, 20); // only its top-left 64 x 64 counts
    laatta3 = striped_tile(40, 30); // covers 40 x 40 of each cell
    draw_track(screen, track, 0.0f, 0.0f);

    EXPECT_EQ(rgb_at(screen, 64 + 63, 63), 0x143F00u);
    EXPECT_EQ(rgb_at(screen, 64 + 63, 64), 0x140000u); // the next cell starts again at line 0
    EXPECT_EQ(rgb_at(screen, 128 + 39, 39), 0x1E2700u);
    EXPECT_EQ(rgb_at(screen, 128 + 40, 39), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 128 + 10, 40), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 350, 350), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 319, 350), 0x141E00u);
}
