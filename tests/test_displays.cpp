// The game's own loop on the made-up displays of tests/golden/displays.txt.
// Each row says what must hold on its display (every step shown, 60 steps a
// second, how many pictures in a row may go unshown, how close to the
// refresh the input is read); the figures the machine gave are printed
// beside it, for the README, and are never what passes or fails. On every
// row each tic runs from its own gathered input, and a picture is drawn
// only to be shown.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine_view.h"
#include "support.h"

struct Figures {
    long long steps, pictures, most_unshown, locked;
    double lock_found_s; // when the pacer became locked for the rest of the row (-1: not locked at its end)
    double median_ms, p95_ms, least_ms; // input to glass, from the fifth second on
};

static Figures measure()
{
    std::vector<long long> latency = machine.latency_ns;
    latency.erase(latency.begin(), latency.begin() + std::min<size_t>(300, latency.size()));
    std::sort(latency.begin(), latency.end());
    auto at = [&](size_t percent) { return latency.empty() ? 0 : latency[latency.size() * percent / 100] / 1e6; };
    double found = machine.locked_now ? machine.lock_found_ns / 1e9 : -1;
    return {machine.steps, machine.pictures, machine.most_unshown, machine.locked, found, at(50), at(95), at(0)};
}

// One rule of a row's "must hold" column, checked against the figures; false
// when the rule is not one of these.
static bool holds(const std::string &rule, const Figures &f, const std::string &display)
{
    long long lo, hi;
    double ms;
    if (sscanf(rule.c_str(), "steps %lld-%lld", &lo, &hi) == 2) {
        EXPECT_TRUE(f.steps >= lo && f.steps <= hi) << display << ": " << rule << ", got " << f.steps;
    } else if (sscanf(rule.c_str(), "pictures %lld-%lld", &lo, &hi) == 2) {
        EXPECT_TRUE(f.pictures >= lo && f.pictures <= hi) << display << ": " << rule << ", got " << f.pictures;
    } else if (sscanf(rule.c_str(), "pictures at least %lld%% of steps", &lo) == 1) {
        EXPECT_GE(f.pictures * 100, f.steps * lo) << display << ": " << rule << ", got " << f.pictures;
    } else if (rule == "never locked") {
        EXPECT_EQ(f.locked, 0) << display << ": " << rule << ", but locked for " << f.locked << " frames";
    } else if (sscanf(rule.c_str(), "locked by %lf s", &ms) == 1) {
        EXPECT_TRUE(f.lock_found_s >= 0 && f.lock_found_s <= ms)
            << display << ": " << rule << ", got " << (f.lock_found_s < 0 ? "not locked at the end" : "")
            << (f.lock_found_s < 0 ? 0 : f.lock_found_s) << " s";
    } else if (rule == "every step shown") {
        EXPECT_EQ(f.pictures, f.steps) << display << ": " << rule;
    } else if (sscanf(rule.c_str(), "at most %lld unshown in a row", &hi) == 1) {
        EXPECT_LE(f.most_unshown, hi) << display << ": " << rule;
    } else if (sscanf(rule.c_str(), "p95 under %lf ms", &ms) == 1) {
        EXPECT_LT(f.p95_ms, ms) << display << ": input to glass, " << rule;
    } else if (sscanf(rule.c_str(), "read at least %lf ms before the glass", &ms) == 1) {
        EXPECT_GE(f.least_ms, ms) << display << ": " << rule;
    } else {
        return false;
    }
    return true;
}

TEST_F(Game, DisplaysNearAndAwayFromSixtyHertz)
{
    const char *path = TESTS_DIR "/golden/displays.txt";
    std::ifstream table(path);
    ASSERT_TRUE(table.is_open()) << path;
    std::string line;
    int rows = 0;
    printf("%-56s %6s %8s %7s %7s %7s %7s %7s\n", "display", "steps", "pictures", "unshown", "median", "p95", "least",
           "locked");
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        char display[64];
        double hz, present_ms, tic_ms, draw_ms, preempt_ms, stall_ms, jitter_ms, late_ms, then_hz, seconds;
        long long queue, varies, stall_step;
        int rules_at = 0;
        ASSERT_EQ(sscanf(line.c_str(),
                         "%63[^|]| %lf | %lld | %lf | %lf | %lf | %lld | %lf | %lld | %lf | %lf | %lf | %lf | %lf |%n",
                         display, &hz, &queue, &present_ms, &tic_ms, &draw_ms, &varies, &preempt_ms, &stall_step,
                         &stall_ms, &jitter_ms, &late_ms, &then_hz, &seconds, &rules_at),
                  14)
            << line;
        rows++;
        TearDown(), SetUp();
        machine.work_ns = (long long)(tic_ms * MS);
        machine.draw_ns = (long long)(draw_ms * MS);
        machine.varied = varies != 0;
        machine.preempt_ns = (long long)(preempt_ms * MS);
        machine.input.keys[SDLK_F2] = 1; // the engine view: the cheapest frame to draw, for real
        machine.jitter_ns = (long long)(jitter_ms * MS);
        machine.input_ends_ns = (long long)(seconds * NS);
        machine.refresh_ns = hz > 0 ? (long long)(NS / hz) : 0;
        machine.queue = queue > 0 ? (size_t)queue : 0;
        machine.page = queue < 0;
        machine.present_ns = (long long)(present_ms * MS);
        machine.stall_step = stall_step;
        machine.stall_ns = (long long)(stall_ms * MS);
        machine.late_ns = (long long)(late_ms * MS);
        machine.switch_step = then_hz > 0 ? 600 : -1;
        machine.switch_refresh_ns = then_hz > 0 ? (long long)(NS / then_hz) : 0;
        run_game_loop(ps);
        Figures f = measure();
        EXPECT_EQ(machine.drawn, machine.pictures) << display << ": pictures drawn and not shown, or shown undrawn";
        PlayState stepped = fresh_state(); // the engine view's swing counts the tics run
        for (long long step = 0; step < machine.steps; step++)
            step_piston(stepped);
        EXPECT_EQ(ps.piston_phase, stepped.piston_phase) << display << ": a tic for each gathered input";
        printf("%-56s %6lld %8lld %7lld %7.2f %7.2f %7.2f %7lld\n", display, f.steps, f.pictures, f.most_unshown,
               f.median_ms, f.p95_ms, f.least_ms, f.locked);

        std::stringstream rules(line.substr(rules_at));
        std::string rule;
        int checked = 0;
        while (std::getline(rules, rule, ',')) {
            rule = rule.substr(rule.find_first_not_of(' '));
            EXPECT_TRUE(holds(rule, f, display)) << display << ": no such rule: " << rule;
            checked++;
        }
        EXPECT_GT(checked, 0) << display << ": says nothing that must hold";
    }
    EXPECT_GT(rows, 0) << path << " holds no display";
}
