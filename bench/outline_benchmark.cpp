// The arrow's outline, computed alone: the cheapest and the largest variant,
// and the largest rounded.
#include <benchmark/benchmark.h>

#include "arrow_outline_rounding.h"
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

// The same 16 points, each rounded into an arc of 8 steps: 144 points. The
// outline is made once; only the rounding is timed.
void RoundedBevelledNotchedArrowOutline(benchmark::State& state)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	shape.tailNotch = 50.0;
	shape.roundCorners = true;
	shape.roundRadius = 10.0;
	shape.roundSteps = 8;
	ArrowOutline outline = ComputeArrowOutline(shape);
	for (auto _ : state)
	{
		benchmark::DoNotOptimize(outline);
		RoundedOutline rounded = RoundArrowOutline(outline, shape);
		benchmark::DoNotOptimize(rounded);
	}
	state.counters["points"] = RoundArrowOutline(outline, shape).count;
}
BENCHMARK(RoundedBevelledNotchedArrowOutline);

} // namespace
