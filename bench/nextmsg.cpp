// Cost of one NEXTMSG that finds a timer tick due on the headless backend: the fetch,
// the translate step and the dispatch, whose WM_TIMER presents the 384 x 384 back
// buffer.
#include <benchmark/benchmark.h>

#include "display/display.h"
#include "platform/headless/virtual_clock.h"
#include "platform/window.h"

namespace {

void BM_NextMsgTimerTick(benchmark::State& state) {
    if (display::detail::HW == 0) display::CREATEWIN(384, 384);
    for (auto _ : state) {
        platform::headless::advance(platform::window::MIN_TIMER_PERIOD);
        benchmark::DoNotOptimize(display::NEXTMSG());
    }
    if (display::detail::MS.message != platform::WM_TIMER) state.SkipWithError("not a tick");
}
BENCHMARK(BM_NextMsgTimerTick)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
