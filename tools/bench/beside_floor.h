#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace tilvane::bench {

// The counter that carries a case's floor, in milliseconds per iteration.
inline constexpr const char* kFloorCounter = "floor_ms";

// Times `work` and its floor alternately in every iteration, so that both meet the same
// machine load and the same state of the disk (a write may or may not wait for the file's
// earlier data to reach the disk). The case's time is the benchmark's own (manual time); the
// floor's is the counter kFloorCounter. `prepareFloor` runs untimed before each floor.
void measureBesideFloor(benchmark::State& state, const std::function<void()>& work,
                        const std::function<void()>& floor, const std::function<void()>& prepareFloor = {});

// Registers a case measured by measureBesideFloor, in milliseconds of wall time.
void registerBesideFloor(const std::string& name, std::function<void(benchmark::State&)> run);

} // namespace tilvane::bench
