// The arrow's outline, computed alone: the cheapest and the largest variant,
// the largest rounded, and the default arrow along a path.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "arrow_outline_rounding.h"
#include "arrow_path.h"
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

// The default arrow along the whole of an open path, as a contour asks for
// it: the capacity, then the bent outline, into a buffer made once.
void BendAlong(benchmark::State& state, const std::vector<PathPoint>& points)
{
	const ArrowShape shape = DefaultArrow();
	const ArrowPath path { points.data(), static_cast<int>(points.size()), false, 0.0, 1.0, 0.0 };
	std::vector<OutlinePoint> out(static_cast<std::size_t>(BentOutlineCapacity(shape, path)));
	for (auto _ : state)
	{
		benchmark::DoNotOptimize(path);
		const int count = BendArrowOutline(shape, path, out.data(), BentOutlineCapacity(shape, path));
		benchmark::DoNotOptimize(count);
		benchmark::ClobberMemory();
	}
	state.counters["points"] = BendArrowOutline(shape, path, out.data(), static_cast<int>(out.size()));
	state.counters["per path point"] = benchmark::Counter(static_cast<double>(points.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Three quarters of a circle of radius 2000 in 1,000 points: 998 corners on
// each side of the shaft.
void ThousandPointPathArrow(benchmark::State& state)
{
	std::vector<PathPoint> arc;
	for (int i = 0; i < 1000; ++i)
	{
		const double angle = 1.5 * std::acos(-1.0) * i / 999.0;
		arc.push_back({ 2000.0 * std::cos(angle), 2000.0 * std::sin(angle) });
	}
	BendAlong(state, arc);
}
BENCHMARK(ThousandPointPathArrow);

// The 7 points of the default arrow along a straight path of 2 points.
void TwoPointPathArrow(benchmark::State& state)
{
	BendAlong(state, { { 0.0, 0.0 }, { 500.0, 0.0 } });
}
BENCHMARK(TwoPointPathArrow);

} // namespace
