// The cost of one game-clock tick in the core: the clock, the possession
// count, four suspension clocks and the mirror's copy of the board, without
// any painting. The plain tick (mirror off, no suspension) is the baseline.
//
//   tabrino-core-bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "match_moves.h"

using namespace tabrino;

namespace {

void GameClockTick(benchmark::State& state) {
    const bool mirror = state.range(0) != 0;
    const bool suspensions = state.range(1) != 0;
    FakeServices fake;
    fake.monitors.monitors.push_back({{1280, 0, 2560, 720}, false});
    Program p{fake.services()};
    p.setStrict(true);
    p.start();
    bench::startClock(p, "20");
    fake.clock.now += 5000;  // the clock has run when the cards come
    p.runDueTimers();
    if (mirror) bench::mirrorOn(p);
    if (suspensions) bench::fourSuspensions(p, &fake.dialogs);
    if (mirror && (p.clonactivo != "SI" || !p.existing("clontabrino") || !p.existing("clontabrino")->shown()))
        return state.SkipWithError("the mirror did not come on");
    if (suspensions && (p.castigadoslocal != 2 || p.castigadosvisita != 2))
        return state.SkipWithError("the four suspensions did not start");

    Window& f = p.form1();
    int sinceReset = 0;
    for (auto _ : state) {
        fake.clock.now += 1000;
        p.runDueTimers();
        if (++sinceReset == 60) {
            // Keep the board in the measured state: no clock reaches zero.
            state.PauseTiming();
            sinceReset = 0;
            f["a"].setText("20");
            if (suspensions) bench::holdSuspensions(p, "05");
            state.ResumeTiming();
        }
    }
    if (!p.timer1.enabled()) state.SkipWithError("the game clock stopped during the run");
}

}  // namespace

BENCHMARK(GameClockTick)->ArgNames({"mirror", "suspensions"})->Args({1, 1})->Args({0, 0});

BENCHMARK_MAIN();
