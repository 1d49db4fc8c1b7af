// Seeded parameter sets through the arrow's contour in the headless host,
// with the floating-point traps each kind of set must not spring around the
// module's call: every spline finite, with the number of points the count
// table gives and the arrow's intermediate-point settings; in plane 0,
// unreversed, exactly the outline alone.
#include <cmath>
#include <cstring>

#include "headless/host.h"
#include "res/description/Opointsmith.h"
#include "tests/fuzzing/floating_point_traps.h"
#include "tests/fuzzing/set_runner.h"
#include "tests/support/module_test.h"

namespace tests
{
namespace
{

// The host's spline settings the arrow carries.
constexpr std::int32_t INTERPOLATION = 1001;
constexpr std::int32_t SUBDIVISIONS = 1003;
constexpr std::int32_t ANGLE = 1004;
constexpr std::int32_t MAXIMUM_LENGTH = 1005;
constexpr std::int32_t PLANE = 2300;
constexpr std::int32_t REVERSE = 2301;

void Write(headless::Container& data, const ParameterSet& set)
{
	const ArrowShape& shape = set.shape;
	const std::pair<std::int32_t, double> numbers[] = { { ARROW_SHAFT_LENGTH, shape.shaftLength }, { ARROW_SHAFT_WIDTH, shape.shaftWidth },
		{ ARROW_HEAD_LENGTH, shape.headLength }, { ARROW_HEAD_BARB, shape.barbOverhang }, { ARROW_HEAD_THICKNESS, shape.headThickness },
		{ ARROW_TAIL_NOTCH, shape.tailNotch }, { ARROW_TAPER_FRONT, shape.taperFront }, { ARROW_TAPER_BACK, shape.taperBack },
		{ ARROW_BARB_SWEEP, shape.barbSweep }, { ARROW_FIN_LENGTH, shape.finLength }, { ARROW_FIN_WIDTH, shape.finWidth },
		{ ARROW_FIN_SWEEP, shape.finSweep }, { ARROW_BEVEL_SIZE, shape.bevelSize }, { ARROW_DOUBLE_LENGTH, shape.doubleLength },
		{ ARROW_DOUBLE_WIDTH, shape.doubleWidth }, { ANGLE, set.angle }, { MAXIMUM_LENGTH, set.maximumLength } };
	for (const auto& [id, value] : numbers)
		data.Set(id, value);
	const std::pair<std::int32_t, bool> switches[] = { { ARROW_OPEN_HEAD, shape.openHead }, { ARROW_SQUARE_BARBS, shape.squareBarbs },
		{ ARROW_SHAFT, shape.shaft }, { ARROW_FINS, shape.fins }, { ARROW_BEVEL, shape.bevel }, { ARROW_BEVEL_OPTION, shape.bevelOption },
		{ ARROW_DOUBLE, shape.doubleHeaded }, { REVERSE, set.reverse } };
	for (const auto& [id, value] : switches)
		data.Set(id, value);
	data.Set(PLANE, set.plane);
	data.Set(INTERPOLATION, set.interpolation);
	data.Set(SUBDIVISIONS, set.subdivisions);
}

::testing::AssertionResult IsSoundSpline(const headless::Object* spline, const ParameterSet& set)
{
	if (!spline)
		return ::testing::AssertionFailure() << "no spline";
	const int count = static_cast<int>(spline->points.size() / 3);
	if (count != TablePointCount(set.shape))
		return ::testing::AssertionFailure() << count << " points where the table has " << TablePointCount(set.shape);
	for (const double coordinate : spline->points)
	{
		if (!std::isfinite(coordinate))
			return ::testing::AssertionFailure() << "a coordinate " << coordinate;
	}
	const headless::Value settings[] = { set.interpolation, set.subdivisions, set.angle, set.maximumLength };
	const std::int32_t ids[] = { INTERPOLATION, SUBDIVISIONS, ANGLE, MAXIMUM_LENGTH };
	for (std::size_t i = 0; i < std::size(ids); ++i)
	{
		if (spline->data.Get(ids[i]) != settings[i])
			return ::testing::AssertionFailure() << "setting " << ids[i] << " not carried over";
	}
	if (set.plane != 0 || set.reverse)
		return ::testing::AssertionSuccess();
	const ArrowOutline outline = ComputeArrowOutline(set.shape);
	for (int i = 0; i < count; ++i)
	{
		const double alone[3] = { outline.points[i].x, outline.points[i].y, outline.points[i].z };
		if (std::memcmp(alone, &spline->points[static_cast<std::size_t>(3 * i)], sizeof alone) != 0)
			return ::testing::AssertionFailure() << "point " << i << " differs from the outline alone";
	}
	return ::testing::AssertionSuccess();
}

TEST(ParameterFuzzing, ContourThroughTheHost)
{
	const PluginFolder folder;
	headless::Host host;
	std::string reason;
	ASSERT_TRUE(host.Start(folder.Module(), reason)) << reason;
	headless::Object* arrow = host.NewObjectFromMenu(host.NewDocument(), ARROW_ID);
	ASSERT_NE(arrow, nullptr);
	ForEverySet(100000, [&](const ParameterSet& set) {
		Write(arrow->data, set);
		headless::Object* spline = nullptr;
		{
			const FloatingPointTraps traps(set.traps);
			spline = host.GetContour(arrow);
		}
		const ::testing::AssertionResult sound = IsSoundSpline(spline, set);
		if (spline)
			host.scene.DestroyObject(spline);
		return sound;
	});
	EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
}

} // namespace
} // namespace tests
