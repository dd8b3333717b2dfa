// The game's own loop on the made-up displays of tests/golden/displays.txt:
// steps, pictures, and how long before the refresh the input is read.
#include <algorithm>
#include <fstream>
#include <string>

#include "support.h"

TEST_F(Game, DisplaysNearAndAwayFromSixtyHertz)
{
    std::ifstream table(TESTS_DIR "/golden/displays.txt");
    std::string line;
    while (std::getline(table, line)) {
        char display[64];
        double hz, present_ms, stall_ms, late_ms, then_hz, median_ms;
        long long queue, stall_step, steps, pictures;
        if (line.empty() || line[0] == '#')
            continue;
        ASSERT_EQ(sscanf(line.c_str(), "%63[^|]| %lf | %lld | %lf | %lld | %lf | %lf | %lf | %lld | %lld | %lf", display,
                         &hz, &queue, &present_ms, &stall_step, &stall_ms, &late_ms, &then_hz, &steps, &pictures,
                         &median_ms),
                  11)
            << line;
        TearDown(), SetUp();
        machine.frame_cost_ns = 400 * US;
        machine.jitter_ns = 100 * US;
        machine.input_ends_ns = 20 * NS;
        machine.refresh_ns = hz > 0 ? (long long)(NS / hz) : 0;
        machine.queue = (size_t)queue;
        machine.present_ns = (long long)(present_ms * MS);
        machine.stall_step = stall_step;
        machine.stall_ns = (long long)(stall_ms * MS);
        machine.late_ns = (long long)(late_ms * MS);
        machine.switch_step = then_hz > 0 ? 600 : -1;
        machine.switch_refresh_ns = then_hz > 0 ? (long long)(NS / then_hz) : 0;
        run_game_loop(ps);
        std::vector<long long> late(machine.latency_ns.begin() + 300, machine.latency_ns.end());
        std::sort(late.begin(), late.end());
        EXPECT_EQ(machine.steps, steps ? steps : machine.steps) << display;
        EXPECT_EQ(machine.pictures, pictures || median_ms > 0 ? (pictures ? pictures : machine.steps) : machine.pictures)
            << display;
        EXPECT_LE(late[late.size() / 2], median_ms > 0 ? (long long)(median_ms * MS) : late.back()) << display;
    }
}
