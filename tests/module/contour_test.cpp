// The arrow's contour as the host receives it: points, plane, direction,
// spline settings and the messages that come with it.
#include <cmath>

#include "tests/support/module_test.h"

namespace tests
{
namespace
{

using Point = std::array<double, 3>;

const std::vector<Point> DEFAULT_OUTLINE = { { -250, 50, 0 }, { 150, 50, 0 }, { 150, 100, 0 }, { 250, 0, 0 }, { 150, -100, 0 }, { 150, -50, 0 },
	{ -250, -50, 0 } };

class ContourTest : public ModuleTest
{
protected:
	void SetUp() override
	{
		StartModule();
		arrow = NewArrow();
	}

	// The arrow's spline now; the test owns it until the next call.
	headless::Object* Contour()
	{
		if (spline)
			host.scene.DestroyObject(spline);
		spline = host.GetContour(arrow);
		return spline;
	}

	std::vector<Point> Points()
	{
		std::vector<Point> points;
		headless::Object* result = Contour();
		for (std::size_t i = 0; result && i + 2 < result->points.size(); i += 3)
			points.push_back({ result->points[i], result->points[i + 1], result->points[i + 2] });
		return points;
	}

	headless::Object* arrow = nullptr;
	headless::Object* spline = nullptr;
};

TEST_F(ContourTest, TheDefaultArrowIsItsSevenPointsAsBuilt)
{
	EXPECT_EQ(Points(), DEFAULT_OUTLINE);
	EXPECT_EQ(spline->data.Get(1002), headless::Value(true));
	EXPECT_EQ(spline->splineType, 0);
	for (std::size_t i = 2; i < spline->points.size(); i += 3)
		EXPECT_FALSE(std::signbit(spline->points[i])) << "z of point " << i / 3 << " is -0.0";
}

TEST_F(ContourTest, CarriesTheArrowsIntermediatePointSettings)
{
	Contour();
	EXPECT_EQ(spline->data.Get(1001), headless::Value(std::int32_t { 3 }));
	EXPECT_EQ(spline->data.Get(1003), headless::Value(std::int32_t { 8 }));
	EXPECT_EQ(spline->data.Get(1004), headless::Value(0.08726646259971647));
	EXPECT_EQ(spline->data.Get(1005), headless::Value(5.0));
	arrow->data.Set(1001, std::int32_t { 4 });
	Contour();
	EXPECT_EQ(spline->data.Get(1001), headless::Value(std::int32_t { 4 }));
}

TEST_F(ContourTest, PlanesOutsideOneAndTwoLeaveTheOutlineAsBuilt)
{
	for (std::int32_t plane : { 3, -1, 1000 })
	{
		arrow->data.Set(2300, plane);
		EXPECT_EQ(Points(), DEFAULT_OUTLINE) << plane;
	}
}

TEST_F(ContourTest, PlaneOnePointsTheArrowAlongZ)
{
	arrow->data.Set(2300, std::int32_t { 1 });
	const std::vector<Point> points = Points();
	ASSERT_EQ(points.size(), 7u);
	EXPECT_EQ(points[3], (Point { 0, 0, 250 }));
	EXPECT_TRUE(std::signbit(points[3][0])) << "x of the tip is the negated zero z";
	EXPECT_EQ(points[2], (Point { 0, 100, 150 }));
}

TEST_F(ContourTest, PlaneTwoTurnsTheUpperSideTowardsZ)
{
	arrow->data.Set(2300, std::int32_t { 2 });
	const std::vector<Point> points = Points();
	ASSERT_EQ(points.size(), 7u);
	EXPECT_EQ(points[2], (Point { 150, 0, 100 }));
	EXPECT_TRUE(std::signbit(points[2][1])) << "y of the barb corner is the negated zero z";
}

TEST_F(ContourTest, ReverseTurnsThePointOrderAround)
{
	arrow->data.Set(2301, true);
	EXPECT_EQ(Points(), std::vector<Point>(DEFAULT_OUTLINE.rbegin(), DEFAULT_OUTLINE.rend()));
	arrow->data.Set(10050, 30.0); // a notch: an even count
	std::vector<Point> reversed = Points();
	arrow->data.Set(2301, false);
	std::vector<Point> forward = Points();
	ASSERT_EQ(forward.size(), 8u);
	EXPECT_EQ(reversed, std::vector<Point>(forward.rbegin(), forward.rend()));
}

TEST_F(ContourTest, AnEmptyContainerGivesATriangleAtTheOrigin)
{
	arrow->data.Flush();
	EXPECT_EQ(Points(), std::vector<Point>(3, Point { 0, 0, 0 }));
	EXPECT_EQ(spline->data.Get(1001), headless::Value(std::int32_t { 0 }));
	EXPECT_EQ(spline->data.Get(1003), headless::Value(std::int32_t { 0 }));
	EXPECT_EQ(spline->data.Get(1004), headless::Value(0.0));
	EXPECT_EQ(spline->data.Get(1005), headless::Value(0.0));
}

TEST_F(ContourTest, TheSplineIsToldItChangedAfterBuildingAndAfterTurning)
{
	Contour();
	EXPECT_EQ(spline->messages, (std::vector<std::int32_t> { 5, 5 }));
	EXPECT_TRUE(arrow->messages.empty());
}

TEST_F(ContourTest, NoSplineFromTheHostIsNoContour)
{
	const std::size_t before = host.memory.LiveBlocks();
	host.faults.Fail("objects.alloc_spline", 1);
	EXPECT_EQ(Contour(), nullptr);
	EXPECT_EQ(host.memory.LiveBlocks(), before);
	EXPECT_NE(Contour(), nullptr);
}

TEST_F(ContourTest, EveryCallBuildsAFreshSpline)
{
	headless::Object* first = host.GetContour(arrow);
	headless::Object* second = host.GetContour(arrow);
	EXPECT_NE(first, second);
	arrow->data.Set(10000, 600.0);
	headless::Object* third = host.GetContour(arrow);
	EXPECT_EQ(third->points[0], -350.0);
	for (headless::Object* object : { first, second, third })
		host.scene.DestroyObject(object);
}

} // namespace
} // namespace tests
