// Controls: the three steering zones, key precedence, the grip-only throttle
// and F3, all through the same function the game and the replay tool call.
#include <gtest/gtest.h>

#include <string>

#include "support.h"

TEST(Controls, PointerGivesThreeSteeringZonesAndF12ForcesLeft)
{
    PlayState ps = fresh_state();
    const int xs[] = {0, 220, 221, 320, 419, 420, 639};
    const float steer[] = {-0.5f, -0.5f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f};
    for (int i = 0; i < 7; i++) {
        controls_with(ps, xs[i], {});
        EXPECT_EQ(ps.steer, steer[i]) << "x " << xs[i];
        EXPECT_EQ(ps.mouse_x, xs[i]);
    }
    controls_with(ps, 500, {SDLK_F12});
    EXPECT_EQ(ps.steer, -0.5f);
    EXPECT_EQ(ps.mouse_x, 0);
    controls_with(ps, 500, {});
    EXPECT_EQ(ps.steer, 0.5f);

    controls_with(ps, 10, {}, 0x1FF); // only the low 8 bits are kept
    EXPECT_EQ(ps.mouse_buttons, 0xFF);
}

TEST(Controls, LaterKeysWinAndThrottleActsOnlyInGrip)
{
    PlayState ps = fresh_state();
    controls_with(ps, 320, {SDLK_F1, SDLK_F2});
    EXPECT_EQ(ps.view_mode, VIEW_ENGINE);
    controls_with(ps, 320, {SDLK_F1});
    EXPECT_EQ(ps.view_mode, VIEW_DRIVING);
    controls_with(ps, 320, {SDLK_F4, SDLK_F5});
    EXPECT_EQ(ps.drive_mode, DRIVE_SLIDE);
    controls_with(ps, 320, {SDLK_F5, SDLK_F6});
    EXPECT_EQ(ps.drive_mode, DRIVE_SPIN);
    controls_with(ps, 320, {SDLK_F4, SDLK_F5, SDLK_F6});
    EXPECT_EQ(ps.drive_mode, DRIVE_SPIN);

    // In spin and slide, Up and Down do nothing.
    controls_with(ps, 320, {SDLK_UP});
    EXPECT_EQ(ps.speed, 1.0f);
    controls_with(ps, 320, {SDLK_F5});
    controls_with(ps, 320, {SDLK_DOWN});
    EXPECT_EQ(ps.speed, 1.0f);

    // F4 with Up in slide: grip first, then +0.1 in the same frame, in double.
    controls_with(ps, 320, {SDLK_F4, SDLK_UP});
    EXPECT_EQ(ps.drive_mode, DRIVE_GRIP);
    EXPECT_EQ(ps.speed, (float)(1.0 + 0.1));

    // Up and Down together both apply, each rounded to float.
    float before = ps.speed;
    controls_with(ps, 320, {SDLK_UP, SDLK_DOWN});
    EXPECT_EQ(ps.speed, (float)((double)(float)((double)before + 0.1) - 0.1));

    // Down drives the speed through zero into reverse; nothing stops it.
    for (int i = 0; i < 30; i++)
        controls_with(ps, 320, {SDLK_DOWN});
    EXPECT_LT(ps.speed, -1.5f);

    // Throttle keys act in the engine view too.
    before = ps.speed;
    controls_with(ps, 320, {SDLK_F2, SDLK_UP});
    EXPECT_EQ(ps.speed, (float)((double)before + 0.1));
}

TEST(Controls, F3StartsTheSoundInEveryHeldFrameInBothViews)
{
    PlayState ps = fresh_state(); // no sound loaded: each start is reported
    testing::internal::CaptureStderr();
    controls_with(ps, 320, {SDLK_F3});
    controls_with(ps, 320, {SDLK_F3, SDLK_F2});
    controls_with(ps, 320, {SDLK_F3});
    controls_with(ps, 320, {});
    std::string said = testing::internal::GetCapturedStderr();
    int reports = 0;
    for (size_t at = said.find("Virhe : "); at != std::string::npos; at = said.find("Virhe : ", at + 1))
        reports++;
    EXPECT_EQ(reports, 3);
}
