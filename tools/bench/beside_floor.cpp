#include "beside_floor.h"

#include <chrono>

namespace tilvane::bench {

namespace {

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()>& step)
{
    const Clock::time_point start = Clock::now();
    step();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

void measureBesideFloor(benchmark::State& state, const std::function<void()>& work,
                        const std::function<void()>& floor, const std::function<void()>& prepareFloor)
{
    double floorSeconds = 0;
    for (auto _ : state) {
        state.SetIterationTime(secondsOf(work));
        if (prepareFloor)
            prepareFloor();
        floorSeconds += secondsOf(floor);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters[kFloorCounter] = iterations > 0 ? floorSeconds * 1e3 / iterations : 0;
}

void registerBesideFloor(const std::string& name, std::function<void(benchmark::State&)> run)
{
    benchmark::RegisterBenchmark(name.c_str(), std::move(run))->Unit(benchmark::kMillisecond)->UseManualTime();
}

} // namespace tilvane::bench
