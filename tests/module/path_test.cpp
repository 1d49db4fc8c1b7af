// The arrow along a linked path as the host evaluates it: the path's points
// come into the arrow's space and plane, a path that does not apply leaves
// the arrow straight, and an empty window gives an empty closed spline.
#include <cmath>

#include "headless/host_objects.h"
#include "tests/support/module_test.h"

namespace tests
{
namespace
{

using headless::Matrix;
using headless::Vector3;

constexpr std::int32_t ARROW_PATH = 10470;
constexpr std::int32_t ARROW_PATH_START = 10480;
constexpr std::int32_t ARROW_PATH_END = 10490;
constexpr std::int32_t PRIM_PLANE = 2300;

const Matrix QUARTER_TURN { { 0.0, 0.0, 0.0 }, { 0.0, 1.0, 0.0 }, { -1.0, 0.0, 0.0 }, { 0.0, 0.0, 1.0 } };

class PathTest : public ModuleTest
{
protected:
	void SetUp() override
	{
		StartModule();
		arrow = NewArrow();
		spline = host.NewObjectFromMenu(document, headless::OBJECT_SPLINE, "path");
		host.SetParameter(spline, headless::SPLINEOBJECT_CLOSED, false);
		host.SetParameter(arrow, ARROW_PATH, headless::Link { spline->Id() });
	}

	const std::vector<double>& Contour()
	{
		host.Evaluate(*document);
		EXPECT_NE(arrow->contour.spline, nullptr);
		return arrow->contour.spline->points;
	}

	headless::Object* arrow = nullptr;
	headless::Object* spline = nullptr;
};

// The default arrow is 7 points: the upper tail corner first, the tip fourth.
TEST_F(PathTest, ThePathComesIntoTheArrowsSpaceAndPlane)
{
	const struct
	{
		const char* name;
		std::vector<double> points;
		Matrix splineMatrix;
		Matrix arrowMatrix;
		std::int32_t plane;
		Vector3 tail;
		Vector3 tip;
	} cases[] = {
		{ "along x", { 0, 0, 0, 500, 0, 0 }, {}, {}, 0, { 0, 50, 0 }, { 500, 0, 0 } },
		{ "the spline moved", { 0, 0, 0, 500, 0, 0 }, { { 0, 100, 0 } }, {}, 0, { 0, 150, 0 }, { 500, 100, 0 } },
		{ "the arrow moved", { 0, 0, 0, 500, 0, 0 }, {}, { { 100, 0, 0 } }, 0, { -100, 50, 0 }, { 400, 0, 0 } },
		{ "the arrow turned", { 0, 0, 0, 500, 0, 0 }, {}, QUARTER_TURN, 0, { 50, 0, 0 }, { 0, -500, 0 } },
		{ "plane ZY, along z", { 0, 0, 0, 0, 0, 500 }, {}, {}, 1, { 0, 50, 0 }, { 0, 0, 500 } },
		{ "plane XZ, along x", { 0, 0, 0, 500, 0, 0 }, {}, {}, 2, { 0, 0, 50 }, { 500, 0, 0 } },
		{ "plane XY, along z: one point, straight", { 0, 0, 0, 0, 0, 500 }, {}, {}, 0, { -250, 50, 0 }, { 250, 0, 0 } },
	};
	for (const auto& test : cases)
	{
		host.SetPoints(spline, test.points);
		host.SetMatrix(spline, test.splineMatrix);
		host.SetMatrix(arrow, test.arrowMatrix);
		host.SetParameter(arrow, PRIM_PLANE, test.plane);
		const std::vector<double>& points = Contour();
		ASSERT_EQ(points.size(), 21u) << test.name;
		for (std::size_t axis = 0; axis < 3; ++axis)
		{
			EXPECT_NEAR(points[axis], test.tail[axis], 1e-9) << test.name << ", tail, axis " << axis;
			EXPECT_NEAR(points[9 + axis], test.tip[axis], 1e-9) << test.name << ", tip, axis " << axis;
		}
	}
}

TEST_F(PathTest, AnArrowLinkedToItselfIsStraight)
{
	host.SetPoints(spline, { 0, 0, 0, 500, 0, 0 });
	host.SetParameter(arrow, ARROW_PATH, headless::Link { arrow->Id() });
	EXPECT_EQ(Contour()[9], 250.0);
}

TEST_F(PathTest, AnEmptyWindowIsAnEmptyClosedSpline)
{
	host.SetPoints(spline, { 0, 0, 0, 500, 0, 0 });
	host.SetParameter(arrow, ARROW_PATH_START, 0.5);
	host.SetParameter(arrow, ARROW_PATH_END, 0.5);
	EXPECT_TRUE(Contour().empty());
	EXPECT_EQ(arrow->contour.spline->data.Get(headless::SPLINEOBJECT_CLOSED), headless::Value(true));
}

} // namespace
} // namespace tests
