// Shapes whose formulas divide by zero or meet an undefined slope, each with
// the outline it settles on.
#include <gtest/gtest.h>

#include <vector>

#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

const double ROUNDING = 1e-12;

ArrowShape FinnedArrow()
{
	ArrowShape shape = DefaultArrow();
	shape.fins = true;
	shape.taperFront = 0.5;
	shape.taperBack = 0.5;
	return shape;
}

ArrowShape SquareEndedOpenArrow()
{
	ArrowShape shape = DefaultArrow();
	shape.openHead = true;
	shape.squareBarbs = true;
	return shape;
}

ArrowShape SquareEndedDoubleArrow()
{
	ArrowShape shape = SquareEndedOpenArrow();
	shape.doubleHeaded = true;
	return shape;
}

// Barbs overhanging by minus half the shaft's width: the head's upper corner
// sits on the axis, (B + B + W) / 2 = 0.
ArrowShape WithHeadCornerOnTheAxis(ArrowShape shape)
{
	shape.barbOverhang = -50;
	return shape;
}

// A head exactly as long as its barbs are thick: the front edge is upright.
ArrowShape WithUprightFrontEdge(ArrowShape shape)
{
	shape.headThickness = shape.headLength;
	return shape;
}

// Taper shares spread over no shaft length would make the fins' edges
// infinitely steep; the fins stand square on the tail instead.
const std::vector<Xy> SQUARE_FINS = { { -50, 25 }, { -100, 100 }, { 0, 100 }, { 50, 50 }, { -50, 25 }, { -50, 100 }, { 50, 0 }, { -50, -100 },
	{ -50, -25 }, { 50, -50 }, { 0, -100 }, { -100, -100 }, { -50, -25 } };

TEST(MendedFins, ShaftOfNoLength)
{
	ArrowShape shape = FinnedArrow();
	shape.shaftLength = 0;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape), SQUARE_FINS));
}

// So short that a taper share over it overflows.
TEST(MendedFins, SubnormalShaftLength)
{
	ArrowShape shape = FinnedArrow();
	shape.shaftLength = 4.9e-324;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape), SQUARE_FINS));
}

// There is no bevelled fin outline: fins keep every corner sharp.
TEST(MendedFins, BevelLeavesFinsSharp)
{
	for (const double notch : { 0.0, 50.0 })
	{
		ArrowShape sharp = FinnedArrow();
		sharp.tailNotch = notch;
		ArrowShape bevelled = sharp;
		bevelled.bevel = true;
		EXPECT_TRUE(SameBits(ComputeArrowOutline(bevelled), ComputeArrowOutline(sharp))) << notch;
	}
}

// With the head's corner on the axis the front edge lies flat: the barb's
// rear edge never climbs to the shaft, which ends under the barb corner.
// Square ends on a flat edge stand upright over the corner.
TEST(MendedOpenHead, FlatFrontEdge)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(WithHeadCornerOnTheAxis(SquareEndedOpenArrow())),
		{ { -250, 50 }, { 150, 50 }, { 150, 0 }, { 150, 0 }, { 250, 0 }, { 150, 0 }, { 150, 0 }, { 150, -50 }, { -250, -50 } }));
}

// An upright front edge (an infinite slope) runs nowhere: the shaft ends
// under the barb corner, as the plain formula has it.
TEST(MendedOpenHead, UprightFrontEdge)
{
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(WithUprightFrontEdge(SquareEndedOpenArrow())),
		{ { -250, 50 }, { 150, 50 }, { 150, 100 }, { 250, 100 }, { 250, 0 }, { 250, -100 }, { 150, -100 }, { 150, -50 }, { -250, -50 } },
		ROUNDING));
}

// Both at once give the slope 0 / 0, taken as flat.
TEST(MendedOpenHead, UndefinedFrontEdge)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(WithUprightFrontEdge(WithHeadCornerOnTheAxis(SquareEndedOpenArrow()))),
		{ { -250, 50 }, { 150, 50 }, { 150, 0 }, { 150, 0 }, { 250, 0 }, { 150, 0 }, { 150, 0 }, { 150, -50 }, { -250, -50 } }));
}

// A run shorter than the smallest normal double still makes an upright edge.
TEST(MendedOpenHead, SubnormalRunOfTheFrontEdge)
{
	ArrowShape shape = WithUprightFrontEdge(SquareEndedOpenArrow());
	shape.squareBarbs = false;
	shape.barbSweep = 4.9e-324;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { -250, 50 }, { 150, 50 }, { 150, 100 }, { 250, 100 }, { 250, 0 }, { 250, -100 }, { 150, -100 }, { 150, -50 }, { -250, -50 } }));
}

TEST(MendedOpenHead, DoubleArrowFlatFrontEdge)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(WithHeadCornerOnTheAxis(SquareEndedDoubleArrow())),
		{ { 200, 50 }, { 200, 0 }, { 200, 0 }, { 300, 0 }, { 200, 0 }, { 200, 0 }, { 200, -50 }, { -200, -50 }, { -200, 0 }, { -200, 0 },
			{ -300, 0 }, { -200, 0 }, { -200, 0 }, { -200, 50 } }));
}

TEST(MendedOpenHead, DoubleArrowUprightFrontEdge)
{
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(WithUprightFrontEdge(SquareEndedDoubleArrow())),
		{ { 200, 50 }, { 200, 100 }, { 300, 100 }, { 300, 0 }, { 300, -100 }, { 200, -100 }, { 200, -50 }, { -200, -50 }, { -200, -100 },
			{ -300, -100 }, { -300, 0 }, { -300, 100 }, { -200, 100 }, { -200, 50 } },
		ROUNDING));
}

TEST(MendedOpenHead, DoubleArrowUndefinedFrontEdge)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(WithUprightFrontEdge(WithHeadCornerOnTheAxis(SquareEndedDoubleArrow()))),
		{ { 200, 50 }, { 200, 0 }, { 200, 0 }, { 300, 0 }, { 200, 0 }, { 200, 0 }, { 200, -50 }, { -200, -50 }, { -200, 0 }, { -200, 0 },
			{ -300, 0 }, { -200, 0 }, { -200, 0 }, { -200, 50 } }));
}

// Without a shaft the barb corner sits at the overhang itself.
TEST(MendedOpenHead, HeadAloneUndefinedFrontEdge)
{
	ArrowShape shape = WithUprightFrontEdge(SquareEndedOpenArrow());
	shape.shaft = false;
	shape.barbOverhang = 0;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape), { { -50, 0 }, { -50, 0 }, { -50, 0 }, { 50, 0 }, { -50, 0 }, { -50, 0 } }));
}

// A head of no length and no overhang gives the front edge no direction:
// its cuts run along x.
TEST(MendedBevel, HeadOfNoLengthAndNoOverhang)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	shape.headLength = 0;
	shape.barbOverhang = 0;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { -200, 40 }, { -190, 50 }, { 190, 50 }, { 200, 60 }, { 200, 40 }, { 210, 50 }, { 190, 0 }, { 190, 0 }, { 210, -50 }, { 200, -40 },
			{ 200, -60 }, { 190, -50 }, { -190, -50 }, { -200, -40 } }));
}

// A head of no length with an overhang stands upright: its cuts run along y.
TEST(MendedBevel, HeadOfNoLength)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	shape.headLength = 0;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -200, 40 }, { -190, 50 }, { 190, 50 }, { 200, 60 }, { 200, 90 }, { 200, 90 }, { 200, 10 }, { 200, -10 }, { 200, -90 }, { 200, -90 },
			{ 200, -60 }, { 190, -50 }, { -190, -50 }, { -200, -40 } },
		ROUNDING));
}

TEST(MendedBevel, HeadAloneOfNoLengthAndNoOverhang)
{
	ArrowShape shape = DefaultArrow();
	shape.shaft = false;
	shape.bevel = true;
	shape.headLength = 0;
	shape.barbOverhang = 0;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape), { { 0, -10 }, { 10, 0 }, { -10, 0 }, { -10, 0 }, { 10, 0 }, { 0, 10 } }));
}

} // namespace
