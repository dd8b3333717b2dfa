// The sound effect on the dummy audio driver: opening, loading from the
// working directory, starting on channel 0, reporting, freeing.
#include <gtest/gtest.h>
#include <unistd.h>

#include "support.h"

TEST(Sound, LoadsPlaysOnChannelZeroAndReportsFailuresOnOneLine)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
    char previous[4096];
    ASSERT_NE(nullptr, getcwd(previous, sizeof previous));

    // Not in the asset folder: no sound, and nothing said at start-up.
    ASSERT_EQ(0, chdir("/"));
    testing::internal::CaptureStderr();
    Mix_Chunk *chunk = open_sound();
    EXPECT_EQ(nullptr, chunk);
    play_sound(chunk);
    play_sound(chunk);
    std::string said = testing::internal::GetCapturedStderr();
    // Two reports on one line, each ending in a blank.
    EXPECT_EQ(said.rfind("Virhe : ", 0), 0u);
    EXPECT_EQ(said.find('\n'), std::string::npos);
    EXPECT_EQ(said.back(), ' ');
    std::string one = said.substr(0, said.size() / 2);
    EXPECT_EQ(said, one + one);
    Mix_CloseAudio();

    ASSERT_EQ(0, chdir(ASSETS_DIR));
    chunk = open_sound();
    ASSERT_NE(nullptr, chunk);
    play_sound(chunk);
    EXPECT_EQ(chunk, Mix_GetChunk(0));
    EXPECT_EQ(1, Mix_Playing(0));
    free_sound(chunk);
    EXPECT_EQ(nullptr, chunk);
    free_sound(chunk); // freeing nothing is harmless

    ASSERT_EQ(0, chdir(previous));
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
