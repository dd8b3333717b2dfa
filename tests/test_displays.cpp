// The game's own loop on the made-up displays of tests/golden/displays.txt:
// steps, pictures, and how long before the refresh that shows it the input
// is read. The machine is deterministic, so each row's figures are exact;
// GOLDEN_UPDATE=1 writes the table anew with the figures of this build.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support.h"

static double percentile_ms(std::vector<long long> latency, size_t percent)
{
    if (latency.size() <= 300)
        return 0;
    latency.erase(latency.begin(), latency.begin() + 300); // from the fifth second on
    std::sort(latency.begin(), latency.end());
    return latency[latency.size() * percent / 100] / 1e6;
}

TEST_F(Game, DisplaysNearAndAwayFromSixtyHertz)
{
    const char *path = TESTS_DIR "/golden/displays.txt";
    std::ifstream table(path);
    ASSERT_TRUE(table.is_open()) << path;
    std::string line;
    std::ostringstream rewritten;
    int rows = 0;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#') {
            rewritten << line << "\n";
            continue;
        }
        char display[64];
        double hz, present_ms, work_ms, stall_ms, jitter_ms, late_ms, then_hz, seconds, median_ms, p95_ms;
        long long queue, varies, stall_step, steps, pictures;
        ASSERT_EQ(sscanf(line.c_str(),
                         "%63[^|]| %lf | %lld | %lf | %lf | %lld | %lld | %lf | %lf | %lf | %lf | %lf | %lld | %lld | %lf | %lf",
                         display, &hz, &queue, &present_ms, &work_ms, &varies, &stall_step, &stall_ms, &jitter_ms, &late_ms,
                         &then_hz, &seconds, &steps, &pictures, &median_ms, &p95_ms),
                  16)
            << line;
        rows++;
        TearDown(), SetUp();
        machine.work_ns = (long long)(work_ms * MS);
        machine.varied = varies != 0;
        machine.input.keys[SDLK_F2] = 1; // the engine view: the cheapest frame to draw, for real
        machine.jitter_ns = (long long)(jitter_ms * MS);
        machine.input_ends_ns = (long long)(seconds * NS);
        machine.refresh_ns = hz > 0 ? (long long)(NS / hz) : 0;
        machine.queue = (size_t)queue;
        machine.present_ns = (long long)(present_ms * MS);
        machine.stall_step = stall_step;
        machine.stall_ns = (long long)(stall_ms * MS);
        machine.late_ns = (long long)(late_ms * MS);
        machine.switch_step = then_hz > 0 ? 600 : -1;
        machine.switch_refresh_ns = then_hz > 0 ? (long long)(NS / then_hz) : 0;
        run_game_loop(ps);
        double median = percentile_ms(machine.latency_ns, 50), p95 = percentile_ms(machine.latency_ns, 95);
        EXPECT_EQ(machine.steps, steps) << display;
        EXPECT_EQ(machine.pictures, pictures) << display;
        EXPECT_NEAR(median, median_ms, 0.01) << display << ": median ms, input to glass";
        EXPECT_NEAR(p95, p95_ms, 0.01) << display << ": 95th percentile ms, input to glass";
        char figures[128];
        snprintf(figures, sizeof figures, "| %lld | %lld | %.2f | %.2f", machine.steps, machine.pictures, median, p95);
        std::string kept = line;
        for (int bar = 0; bar < 4; bar++)
            kept = kept.substr(0, kept.rfind('|'));
        rewritten << kept << figures << "\n";
    }
    EXPECT_GT(rows, 0) << path << " holds no display";
    if (getenv("GOLDEN_UPDATE") != NULL)
        std::ofstream(path) << rewritten.str();
}
