// vorkkeli-bench: what one frame costs, step by step, against a memcpy of the
// bytes a driving frame writes. Run from a folder holding the assets.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "controls.h"
#include "driving_view.h"
#include "engine_view.h"
#include "images.h"
#include "motion.h"
#include "sound.h"
#include "track.h"

static PlayState ps;
static TicCmd pointer_right = {0, 500, 0, {}};

// A car at speed with the pointer right, in grip: turning and moving each frame.
static void reset_car(ViewMode view)
{
    ps.view_mode = view;
    ps.drive_mode = DRIVE_GRIP;
    ps.pos_x = 320.0f;
    ps.pos_y = 240.0f;
    ps.speed = 1.0f;
}

static void BM_DrivingFrame(benchmark::State &state)
{
    reset_car(VIEW_DRIVING);
    for (auto _ : state) {
        run_tic(ps, pointer_right);
        draw_frame(ps);
        benchmark::DoNotOptimize(screen->pixels);
    }
}

static void BM_EngineFrame(benchmark::State &state)
{
    static TicCmd f2 = pointer_right;
    f2.keys[SDLK_F2] = 1;
    reset_car(VIEW_ENGINE);
    for (auto _ : state) {
        run_tic(ps, f2);
        draw_frame(ps);
        benchmark::DoNotOptimize(screen->pixels);
    }
}

static void BM_Controls(benchmark::State &state)
{
    for (auto _ : state)
        apply_controls(ps, pointer_right);
}

static void BM_Motion(benchmark::State &state)
{
    reset_car(VIEW_DRIVING);
    for (auto _ : state) {
        step_motion(ps);
        benchmark::DoNotOptimize(ps.pos_x);
    }
}

static void BM_Clear(benchmark::State &state)
{
    for (auto _ : state) {
        SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 0));
        benchmark::DoNotOptimize(screen->pixels);
    }
}

static void BM_ColourKeys(benchmark::State &state)
{
    for (auto _ : state)
        apply_colour_keys();
}

static void BM_Backdrop(benchmark::State &state)
{
    for (auto _ : state)
        blit_region(screen, kuva, 0, 0, 640, 480, 0, 0, 640, 480);
}

static void BM_Track(benchmark::State &state)
{
    for (auto _ : state)
        draw_track(screen, ps.track, 0.0f, 0.0f);
}

// The car turns a degree a frame: an angle of exactly 0 would take the
// rotation's cheaper zoom-only path and hide what turning costs.
static void BM_DrivingView(benchmark::State &state)
{
    reset_car(VIEW_DRIVING);
    for (auto _ : state) {
        ps.sprite_angle = (float)((int)(ps.sprite_angle + 1.0f) % 360);
        draw_driving_view(ps);
    }
}

static void BM_EngineView(benchmark::State &state)
{
    for (auto _ : state)
        draw_engine_view(ps);
}

// The start-up's own loads, each freed again.
static void BM_StartUpLoads(benchmark::State &state)
{
    for (auto _ : state) {
        for (SDL_Surface *image : {kuula, kuva, laatta1, laatta2, laatta3, mopo, piston, volvo})
            SDL_FreeSurface(image);
        load_images();
        Mix_Chunk *sound = load_sound();
        free_sound(sound);
    }
}

// The floor: copying the three full screens a driving frame writes (the
// clear, the backdrop, the tiles).
static void BM_Memcpy(benchmark::State &state)
{
    const size_t bytes = 640 * 480 * 4;
    std::vector<Uint8> from(3 * bytes, 1), to(3 * bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), 3 * bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

#define REPEATED(name) BENCHMARK(name)->Repetitions(5)->MinTime(0.2)->Unit(benchmark::kMicrosecond)
REPEATED(BM_DrivingFrame);
REPEATED(BM_EngineFrame);
REPEATED(BM_Controls);
REPEATED(BM_Motion);
REPEATED(BM_Clear);
REPEATED(BM_ColourKeys);
REPEATED(BM_Backdrop);
REPEATED(BM_Track);
REPEATED(BM_DrivingView);
REPEATED(BM_EngineView);
REPEATED(BM_Memcpy);
BENCHMARK(BM_StartUpLoads)->Repetitions(5)->Iterations(20)->Unit(benchmark::kMillisecond);

// The library reports through an object; this one also keeps the medians,
// and writes no colour codes, so the summary line stands alone.
struct MedianKeeper : benchmark::ConsoleReporter {
    MedianKeeper() : ConsoleReporter(OO_None) {}
    std::map<std::string, double> median_us;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.aggregate_name == "median")
                median_us[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (start_up(ps) != 0)
        return 1;

    MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    shut_down(ps);

    double driving = reporter.median_us["BM_DrivingFrame"];
    double engine = reporter.median_us["BM_EngineFrame"];
    double copy = reporter.median_us["BM_Memcpy"];
    printf("driving=%.1f engine=%.1f memcpy=%.1f ratio=%.2f\n", driving, engine, copy,
           copy > 0 ? driving / copy : 0.0);
    return 0;
}
