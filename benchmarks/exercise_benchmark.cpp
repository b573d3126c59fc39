// How long the exercise's rules take: one whole round (thirteen picks, the
// verdict, one take-back and "Чисти") over controls held in memory.
#include <benchmark/benchmark.h>

#include "fake_controls.h"

namespace {

void WholeRound(benchmark::State& state) {
    veltara::testing::FakeControls window;
    for (auto _ : state) {
        for (std::int16_t element = 0; element < veltara::kPlanetCount; ++element) {
            window.pressPlanet(element);
        }
        window.selectAnswer(6);
        window.pressClear();
        benchmark::DoNotOptimize(window.message().size());
    }
}
BENCHMARK(WholeRound);

}  // namespace

BENCHMARK_MAIN();
