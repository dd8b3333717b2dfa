// Region blits, clipping and colour keys on real surfaces.
#include <gtest/gtest.h>

#include "support.h"

static const Uint32 RED = 0xFF0000;

// An 8 x 8 red square copied with various destination and source rectangles.
TEST(BlitRegion, PlacesClipsAndWrapsLikeTheGame)
{
    reset_surfaces();
    SDL_Surface *square = solid(8, 8, 24, 255, 0, 0);

    // Coordinates keep their low 16 bits: 2 * 65536 + 5 lands at 5, 65535 at -1.
    blit_region(screen, square, 2 * 65536 + 5, 70, 8, 8, 0, 0, 8, 8);
    EXPECT_EQ(rgb_at(screen, 5, 70), RED);
    EXPECT_EQ(rgb_at(screen, 4, 70), 0u);
    EXPECT_EQ(rgb_at(screen, 12, 77), RED);
    blit_region(screen, square, 65535, 100, 8, 8, 0, 0, 8, 8);
    EXPECT_EQ(rgb_at(screen, 0, 100), RED);
    EXPECT_EQ(rgb_at(screen, 6, 100), RED);
    EXPECT_EQ(rgb_at(screen, 7, 100), 0u);

    // The destination size never limits the copy: 1 x 1 asked, 8 x 8 copied.
    blit_region(screen, square, 200, 200, 1, 1, 0, 0, 8, 8);
    EXPECT_EQ(rgb_at(screen, 207, 207), RED);
    EXPECT_EQ(rgb_at(screen, 208, 207), 0u);

    // A source region past the source's edge copies only the inside.
    blit_region(screen, square, 300, 300, 64, 64, 4, 6, 64, 64);
    EXPECT_EQ(rgb_at(screen, 303, 301), RED);
    EXPECT_EQ(rgb_at(screen, 304, 301), 0u);
    EXPECT_EQ(rgb_at(screen, 303, 302), 0u);

    // Partly off the bottom right shows the visible part; wholly off, nothing.
    blit_region(screen, square, 636, 477, 8, 8, 0, 0, 8, 8);
    EXPECT_EQ(rgb_at(screen, 639, 479), RED);
    EXPECT_EQ(rgb_at(screen, 635, 479), 0u);
    SDL_Surface *before = solid(640, 480, 32, 0, 0, 0);
    SDL_BlitSurface(screen, NULL, before, NULL);
    blit_region(screen, square, 640, 0, 8, 8, 0, 0, 8, 8);
    blit_region(screen, square, -8, -8, 8, 8, 0, 0, 8, 8);
    blit_region(screen, NULL, 0, 0, 8, 8, 0, 0, 8, 8); // a missing image draws nothing
    EXPECT_EQ(0, memcmp(before->pixels, screen->pixels, 480 * screen->pitch));

    SDL_FreeSurface(before);
    SDL_FreeSurface(square);
}

// The key is matched on the image's own pixel value: in a 16-bit image every
// colour that rounds to magenta is skipped, and its nearest neighbour is not.
TEST(ColourKeys, SkipExactlyTheKeyValueAndRepeatHarmlessly)
{
    reset_surfaces();
    piston = solid(4, 1, 16, 255, 0, 255);
    put_rgb(piston, 1, 0, 248, 0, 248); // same 5:6:5 value as magenta
    put_rgb(piston, 2, 0, 255, 0, 240); // one blue step below magenta
    put_rgb(piston, 3, 0, 0, 255, 0);
    volvo = solid(2, 1, 24, 0, 0, 0);
    put_rgb(volvo, 1, 0, 1, 0, 0); // almost black is drawn

    apply_colour_keys();
    blit_region(screen, piston, 10, 10, 4, 1, 0, 0, 4, 1);
    blit_region(screen, volvo, 10, 20, 2, 1, 0, 0, 2, 1);
    SDL_Surface *once = solid(640, 480, 32, 0, 0, 0);
    SDL_BlitSurface(screen, NULL, once, NULL);

    EXPECT_EQ(rgb_at(screen, 10, 10), 0u);
    EXPECT_EQ(rgb_at(screen, 11, 10), 0u);
    EXPECT_NE(rgb_at(screen, 12, 10), 0u);
    EXPECT_EQ(rgb_at(screen, 13, 10), 0x00FF00u);
    EXPECT_EQ(rgb_at(screen, 11, 20), 0x010000u);
    EXPECT_EQ(piston->flags & (SDL_SRCCOLORKEY | SDL_RLEACCEL), (Uint32)SDL_SRCCOLORKEY);

    // Keying again every frame changes neither the picture nor the images.
    Uint32 key = piston->format->colorkey;
    for (int frame = 0; frame < 3; frame++) {
        apply_colour_keys();
        blit_region(screen, piston, 10, 10, 4, 1, 0, 0, 4, 1);
        blit_region(screen, volvo, 10, 20, 2, 1, 0, 0, 2, 1);
    }
    EXPECT_EQ(0, memcmp(once->pixels, screen->pixels, 480 * screen->pitch));
    EXPECT_EQ(piston->format->colorkey, key);
    EXPECT_EQ(get_raw(piston, 0, 0), 0xF81Fu);

    // Images that failed to load are passed over.
    reset_surfaces();
    apply_colour_keys();
    SDL_FreeSurface(once);
}
