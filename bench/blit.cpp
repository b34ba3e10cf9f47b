// The presentation's hot path: the logical 192 by 192 frame blitted, colour-keyed and
// doubled, into the 384 by 384 back buffer. Also a non-integer factor for comparison.
#include <benchmark/benchmark.h>

#include "platform/surface.h"

namespace {

struct Frame {
    platform::Context source, dest;
    Frame(int source_side, int dest_side) {
        source.target = platform::create_surface(source_side, source_side);
        dest.target = platform::create_surface(dest_side, dest_side);
        // A play screen is mostly black with scattered sprites: key every other run.
        for (std::size_t k = 0; k < source.target->pixels.size(); ++k)
            source.target->pixels[k] = (k / 7) % 3 == 0 ? 0x00FFFFFFu : (k % 5 == 0 ? 1u : 0u);
    }
    ~Frame() {
        platform::release_surface(source.target);
        platform::release_surface(dest.target);
    }
};

void keyed_double(benchmark::State& state) {
    Frame frame(192, 384);
    for (auto _ : state) {
        platform::keyed_blit(frame.source, 0, 0, 192, 192, frame.dest, 0, 0, 384, 384, 1);
        benchmark::DoNotOptimize(frame.dest.target->pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(keyed_double)->Unit(benchmark::kMicrosecond);

void keyed_to_window_size(benchmark::State& state) {
    Frame frame(192, 500);
    for (auto _ : state) {
        platform::keyed_blit(frame.source, 0, 0, 192, 192, frame.dest, 0, 0, 500, 500, 1);
        benchmark::DoNotOptimize(frame.dest.target->pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(keyed_to_window_size)->Unit(benchmark::kMicrosecond);

}  // namespace
