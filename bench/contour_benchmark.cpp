// What an arrow's contour costs through the host's full path: the host calls
// the module's contour handler, the module reads its parameters, builds and
// orients the outline in a host spline. Beside it, the host's own cost of
// making and freeing a spline of the same size, which the module cannot avoid.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "headless/host.h"

namespace
{

constexpr std::int32_t ARROW_ID = 1025060;

// A started host with one arrow; `bevelled` makes it the 16-point outline.
class ArrowInHost
{
public:
	explicit ArrowInHost(bool bevelled)
	{
		std::string reason;
		if (!host.Start(POINTSMITH_MODULE_FILE, reason))
			throw std::runtime_error(reason);
		arrow = host.NewObjectFromMenu(host.NewDocument(), ARROW_ID);
		if (bevelled)
		{
			arrow->data.Set(10240, true);  // bevel
			arrow->data.Set(10050, 40.0); // notch
		}
	}

	headless::Host host;
	headless::Object* arrow = nullptr;
};

void GetContour(benchmark::State& state, bool bevelled)
{
	ArrowInHost scene(bevelled);
	for (auto _ : state)
	{
		headless::Object* spline = scene.host.GetContour(scene.arrow);
		benchmark::DoNotOptimize(spline);
		scene.host.scene.DestroyObject(spline);
	}
}

void HostSplineAllocation(benchmark::State& state, std::int32_t count)
{
	headless::Host host;
	const C4D_OS& os = *host.Table();
	for (auto _ : state)
	{
		C4DOS_Atom* spline = os.objects->alloc_spline(count, 0);
		benchmark::DoNotOptimize(os.objects->get_points(spline));
		os.objects->free(spline);
	}
}

} // namespace

BENCHMARK_CAPTURE(GetContour, default_arrow_7_points, false);
BENCHMARK_CAPTURE(GetContour, bevel_notch_16_points, true);
BENCHMARK_CAPTURE(HostSplineAllocation, spline_7_points, 7);
BENCHMARK_CAPTURE(HostSplineAllocation, spline_16_points, 16);
