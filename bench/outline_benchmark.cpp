// The arrow's outline, computed alone: the cheapest and the largest variant.
#include <benchmark/benchmark.h>

#include "arrow_shapes.h"

namespace
{

void ComputeOutline(benchmark::State& state, const ArrowShape& shape)
{
	ArrowShape input = shape;
	for (auto _ : state)
	{
		// The compiler may not assume the shape unchanged between calls.
		benchmark::DoNotOptimize(input);
		ArrowOutline outline = ComputeArrowOutline(input);
		benchmark::DoNotOptimize(outline);
	}
}

// A new object's arrow: shaft, solid head, 7 points.
void DefaultArrowOutline(benchmark::State& state)
{
	ComputeOutline(state, DefaultArrow());
}
BENCHMARK(DefaultArrowOutline);

// Bevelled corners and a tail notch: 16 points, with sines and cosines.
void BevelledNotchedArrowOutline(benchmark::State& state)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	shape.tailNotch = 50.0;
	ComputeOutline(state, shape);
}
BENCHMARK(BevelledNotchedArrowOutline);

} // namespace
