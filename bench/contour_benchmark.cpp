// What an arrow's contour costs through the host's full path: the host calls
// the module's contour handler, the module reads its parameters (and the
// line of the path it follows), builds and orients the outline in a host
// spline. Beside it, the host's own cost of making and freeing a spline of
// the same size, which the module cannot avoid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>

#include "headless/host.h"
#include "headless/host_objects.h"

namespace
{

constexpr std::int32_t ARROW_ID = 1025060;

constexpr std::int32_t ARROW_PATH = 10470;

// A started host with one arrow; `bevelled` makes it the 16-point outline.
// With `pathPoints`, the arrow follows a spline of that many points along a
// gentle wave, 1000 units long.
class ArrowInHost
{
public:
	explicit ArrowInHost(bool bevelled, int pathPoints = 0)
	{
		std::string reason;
		if (!host.Start(POINTSMITH_MODULE_FILE, reason))
			throw std::runtime_error(reason);
		headless::Document* document = host.NewDocument();
		arrow = host.NewObjectFromMenu(document, ARROW_ID);
		if (bevelled)
		{
			arrow->data.Set(10240, true);  // bevel
			arrow->data.Set(10050, 40.0); // notch
		}
		if (pathPoints > 1)
		{
			headless::Object* path = host.NewObjectFromMenu(document, headless::OBJECT_SPLINE);
			std::vector<double> points;
			for (int i = 0; i < pathPoints; ++i)
			{
				const double x = 1000.0 * i / (pathPoints - 1);
				points.insert(points.end(), { x, 100.0 * std::sin(x / 150.0), 0.0 });
			}
			host.SetPoints(path, points);
			host.SetParameter(path, headless::SPLINEOBJECT_CLOSED, false);
			host.SetParameter(arrow, ARROW_PATH, headless::Link { path->Id() });
		}
	}

	headless::Host host;
	headless::Object* arrow = nullptr;
};

void GetContour(benchmark::State& state, bool bevelled, int pathPoints)
{
	ArrowInHost scene(bevelled, pathPoints);
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

BENCHMARK_CAPTURE(GetContour, default_arrow_7_points, false, 0);
BENCHMARK_CAPTURE(GetContour, bevel_notch_16_points, true, 0);
BENCHMARK_CAPTURE(GetContour, default_arrow_2_point_path, false, 2);
BENCHMARK_CAPTURE(GetContour, default_arrow_1000_point_path, false, 1000);
BENCHMARK_CAPTURE(HostSplineAllocation, spline_7_points, 7);
BENCHMARK_CAPTURE(HostSplineAllocation, spline_16_points, 16);
