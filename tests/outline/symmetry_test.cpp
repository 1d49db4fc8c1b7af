// The outline's shape as a whole: mirror-symmetric in the X axis, a double
// arrow also under a half turn, flat in XY, the tip on +X.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

const int DRAWS = 20000;

bool IsBevelled(ArrowVariant variant)
{
	return variant == ArrowVariant::SHAFT_BEVEL || variant == ArrowVariant::HEAD_BEVEL;
}

TEST(Symmetry, MirrorInTheXAxis)
{
	std::mt19937_64 random(1);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		const ArrowShape shape = draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random);
		ASSERT_TRUE(IsMirrorSymmetric(ComputeArrowOutline(shape))) << Describe(shape);
	}
}

TEST(Symmetry, DoubleArrowUnderAHalfTurn)
{
	std::mt19937_64 random(2);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		ArrowShape shape = draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random);
		shape.doubleHeaded = true;
		ASSERT_TRUE(IsHalfTurnSymmetric(ComputeArrowOutline(shape))) << Describe(shape);
	}
}

TEST(Placement, FlatInTheXYPlane)
{
	std::mt19937_64 random(3);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		const ArrowShape shape = draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random);
		const ArrowOutline outline = ComputeArrowOutline(shape);
		for (int i = 0; i < outline.count; ++i)
			ASSERT_TRUE(outline.points[i].z == 0.0 && !std::signbit(outline.points[i].z)) << Describe(shape);
	}
}

// The rightmost point is the tip on the axis; a bevelled tip is cut into two
// points, each at most the bevel size off the axis.
TEST(Placement, TipOnThePositiveXAxis)
{
	std::mt19937_64 random(4);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		const ArrowShape shape = RandomWellFormedArrow(random);
		const ArrowOutline outline = ComputeArrowOutline(shape);
		int tip = 0;
		for (int i = 1; i < outline.count; ++i)
			if (outline.points[i].x > outline.points[tip].x || (outline.points[i].x == outline.points[tip].x && outline.points[i].y == 0.0))
				tip = i;

		const OutlinePoint& point = outline.points[tip];
		ASSERT_GT(point.x, 0.0) << Describe(shape);
		if (IsBevelled(ChooseArrowVariant(shape)))
			ASSERT_LE(std::fabs(point.y), shape.bevelSize) << Describe(shape);
		else
			ASSERT_EQ(point.y, 0.0) << Describe(shape);
	}
}

} // namespace
