// The outlines of hand-worked shapes, mostly variations on a new object's
// defaults: shaft 400 by 100, head 100, barbs 50, thickness 50, bevel 10.
// Where the arithmetic is exact the points must be too.
#include <gtest/gtest.h>

#include <cmath>

#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

const double SQRT5 = std::sqrt(5.0);
// For points worked out through sines and cosines.
const double ROUNDING = 1e-12;

ArrowShape Open(ArrowShape shape)
{
	shape.openHead = true;
	return shape;
}

// The shaft narrows from 60 at the tail to 80 at the head.
ArrowShape Tapered(ArrowShape shape)
{
	shape.taperFront = 0.2;
	shape.taperBack = 0.4;
	return shape;
}

ArrowShape HeadAlone(double sweep)
{
	ArrowShape shape = DefaultArrow();
	shape.shaft = false;
	shape.barbSweep = sweep;
	return shape;
}

TEST(ShaftArrow, Defaults)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(DefaultArrow()),
		{ { -250, 50 }, { 150, 50 }, { 150, 100 }, { 250, 0 }, { 150, -100 }, { 150, -50 }, { -250, -50 } }));
}

TEST(ShaftArrow, TailNotchAddsItsApexFirst)
{
	ArrowShape shape = DefaultArrow();
	shape.tailNotch = 50;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { -200, 0 }, { -250, 50 }, { 150, 50 }, { 150, 100 }, { 250, 0 }, { 150, -100 }, { 150, -50 }, { -250, -50 } }));
}

TEST(ShaftArrow, BackwardSweepPutsTheBarbsAheadOfTheHeadBase)
{
	ArrowShape shape = DefaultArrow();
	shape.barbSweep = -20;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { -250, 50 }, { 150, 50 }, { 170, 100 }, { 250, 0 }, { 170, -100 }, { 150, -50 }, { -250, -50 } }));
}

TEST(ShaftArrow, OpenHead)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(Open(DefaultArrow())),
		{ { -250, 50 }, { 175, 50 }, { 150, 100 }, { 200, 100 }, { 250, 0 }, { 200, -100 }, { 150, -100 }, { 175, -50 }, { -250, -50 } }));
}

// Swept back 25, the front edge runs 75 for its rise of 100. The tapered
// shaft ends where the barb's rear edge, parallel to the front edge through
// (125, 100), comes down to the shaft's half width of 40.
TEST(ShaftArrow, OpenHeadOnATaperedShaftWithSweptBarbs)
{
	ArrowShape shape = Open(Tapered(DefaultArrow()));
	shape.barbSweep = 25;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -250, 30 }, { 170, 40 }, { 125, 100 }, { 175, 100 }, { 250, 0 }, { 175, -100 }, { 125, -100 }, { 170, -40 }, { -250, -30 } }, ROUNDING));
}

TEST(ShaftArrow, SquareBarbEndsMeetTheFrontEdgeAtRightAngles)
{
	ArrowShape shape = Open(DefaultArrow());
	shape.squareBarbs = true;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -250, 50 }, { 175, 50 }, { 150, 100 }, { 190, 120 }, { 250, 0 }, { 190, -120 }, { 150, -100 }, { 175, -50 }, { -250, -50 } }, ROUNDING));
}

TEST(ShaftArrow, SquareBarbEndsOfNoThicknessShrinkTheFlatToTheCorner)
{
	ArrowShape shape = Open(DefaultArrow());
	shape.squareBarbs = true;
	shape.headThickness = 0;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { -250, 50 }, { 200, 50 }, { 150, 100 }, { 150, 100 }, { 250, 0 }, { 150, -100 }, { 150, -100 }, { 200, -50 }, { -250, -50 } }));
}

TEST(ShaftArrow, Fins)
{
	ArrowShape shape = DefaultArrow();
	shape.fins = true;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { -250, 50 }, { -300, 100 }, { -200, 100 }, { -150, 50 }, { 150, 50 }, { 150, 100 }, { 250, 0 }, { 150, -100 }, { 150, -50 },
			{ -150, -50 }, { -200, -100 }, { -300, -100 }, { -250, -50 } }));
}

// The fin's root, 100 ahead of the tail, lies on the tapered shaft's edge at
// 32.5, and the fin's outer edge runs parallel to it.
TEST(ShaftArrow, FinsFollowATaperedShaft)
{
	ArrowShape shape = Tapered(DefaultArrow());
	shape.fins = true;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -250, 30 }, { -300, 77.5 }, { -200, 80 }, { -150, 32.5 }, { 150, 40 }, { 150, 100 }, { 250, 0 }, { 150, -100 }, { 150, -40 },
			{ -150, -32.5 }, { -200, -80 }, { -300, -77.5 }, { -250, -30 } }, ROUNDING));
}

// The cuts along the front edge run at atan(0.5).
TEST(BevelledArrow, Defaults)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -250, 40 }, { -240, 50 }, { 140, 50 }, { 150, 60 }, { 150, 90 }, { 150 + 4 * SQRT5, 100 - 2 * SQRT5 }, { 250 - 4 * SQRT5, 2 * SQRT5 },
			{ 250 - 4 * SQRT5, -2 * SQRT5 }, { 150 + 4 * SQRT5, -100 + 2 * SQRT5 }, { 150, -90 }, { 150, -60 }, { 140, -50 }, { -240, -50 }, { -250, -40 } },
		ROUNDING));
}

// A notch twice as deep as the shaft's half width: its cuts too run at atan(0.5).
TEST(BevelledArrow, TailNotchBevelsItsApexAndCorners)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	shape.tailNotch = 100;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -150 - 4 * SQRT5, 2 * SQRT5 }, { -250 + 4 * SQRT5, 50 - 2 * SQRT5 }, { -240, 50 }, { 140, 50 }, { 150, 60 }, { 150, 90 },
			{ 150 + 4 * SQRT5, 100 - 2 * SQRT5 }, { 250 - 4 * SQRT5, 2 * SQRT5 }, { 250 - 4 * SQRT5, -2 * SQRT5 }, { 150 + 4 * SQRT5, -100 + 2 * SQRT5 }, { 150, -90 },
			{ 150, -60 }, { 140, -50 }, { -240, -50 }, { -250 + 4 * SQRT5, -50 + 2 * SQRT5 }, { -150 - 4 * SQRT5, -2 * SQRT5 } },
		ROUNDING));
}

TEST(DoubleArrow, Defaults)
{
	ArrowShape shape = DefaultArrow();
	shape.doubleHeaded = true;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { 200, 50 }, { 200, 100 }, { 300, 0 }, { 200, -100 }, { 200, -50 }, { -200, -50 }, { -200, -100 }, { -300, 0 }, { -200, 100 },
			{ -200, 50 } }));
}

// As on the single arrow, swept back 25 the front edge runs 75 for 100.
TEST(DoubleArrow, OpenHeadsWithSweptBarbs)
{
	ArrowShape shape = Open(DefaultArrow());
	shape.doubleHeaded = true;
	shape.barbSweep = 25;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { 212.5, 50 }, { 175, 100 }, { 225, 100 }, { 300, 0 }, { 225, -100 }, { 175, -100 }, { 212.5, -50 }, { -212.5, -50 }, { -175, -100 },
			{ -225, -100 }, { -300, 0 }, { -225, 100 }, { -175, 100 }, { -212.5, 50 } }, ROUNDING));
}

TEST(ArrowHead, TriangleWithoutSweep)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(HeadAlone(0)), { { -50, 50 }, { 50, 0 }, { -50, -50 } }));
}

TEST(ArrowHead, SweptBarbsMakeADart)
{
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(HeadAlone(20)), { { -50, 0 }, { -70, 50 }, { 50, 0 }, { -70, -50 } }));
}

// The barbs' rear edges meet on the axis as far behind the tip as the barbs are thick.
TEST(ArrowHead, OpenChevron)
{
	ArrowShape shape = Open(HeadAlone(0));
	shape.headThickness = 30;
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape),
		{ { 20, 0 }, { -50, 50 }, { -20, 50 }, { 50, 0 }, { -20, -50 }, { -50, -50 } }));
}

// Barbs 50 thick leave the front edge a run of 50 for its rise of 50: 45 degrees.
TEST(ArrowHead, SquareEndsOfAnOpenChevron)
{
	ArrowShape shape = Open(HeadAlone(0));
	shape.squareBarbs = true;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { 0, 0 }, { -50, 50 }, { -25, 75 }, { 50, 0 }, { -25, -75 }, { -50, -50 } }, ROUNDING));
}

// Only the barb corner's rear point moves back with the sweep; the rear
// centre is cut straight up and down.
TEST(ArrowHead, BevelledDart)
{
	ArrowShape shape = HeadAlone(20);
	shape.bevel = true;
	EXPECT_TRUE(HasPointsNear(ComputeArrowOutline(shape),
		{ { -50, 10 }, { -70, 40 }, { -50 + 4 * SQRT5, 50 - 2 * SQRT5 }, { 50 - 4 * SQRT5, 2 * SQRT5 }, { 50 - 4 * SQRT5, -2 * SQRT5 }, { -50 + 4 * SQRT5, -50 + 2 * SQRT5 },
			{ -70, -40 }, { -50, -10 } }, ROUNDING));
}

} // namespace
