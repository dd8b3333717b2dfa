# Linux: the tools that measure the real game, and the tests.
# Preloaded into the real game by tools/measure-pacing.sh: a made-up display.
add_library(fake_display MODULE tools/fake_display.cpp)
target_include_directories(fake_display PRIVATE src)
target_link_libraries(fake_display PRIVATE PkgConfig::SDLLIBS dl)

# The frame benchmark; the tests' packages bring Google Benchmark, the game's do not.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT VORKKELI_SANITIZE)
  add_executable(vorkkeli-bench tools/bench.cpp)
  target_link_libraries(vorkkeli-bench PRIVATE vorkkeli_platform benchmark::benchmark)
endif()

# The tests need GoogleTest, which only the test command installs.
find_package(GTest QUIET)
if(GTest_FOUND)
  enable_testing()
  add_subdirectory(tests)
endif()
