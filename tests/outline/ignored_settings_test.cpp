// Settings that a shape carries but its outline does not depend on.
#include <gtest/gtest.h>

#include <random>

#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

const int DRAWS = 20000;

TEST(IgnoredSettings, BevelOptionShapesNothing)
{
	std::mt19937_64 random(8);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		const ArrowShape shape = RandomOrdinaryArrow(random);
		ArrowShape flipped = shape;
		flipped.bevelOption = !shape.bevelOption;
		ASSERT_TRUE(SameBits(ComputeArrowOutline(flipped), ComputeArrowOutline(shape))) << Describe(shape);
	}
}

// A double arrow reads its heads and its own shaft, nothing else: no single
// shaft, taper, fins, notch or bevel.
TEST(IgnoredSettings, DoubleArrowReadsOnlyItsHeadsAndShaft)
{
	std::mt19937_64 random(9);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		ArrowShape shape = RandomOrdinaryArrow(random);
		shape.doubleHeaded = true;
		ArrowShape other = RandomOrdinaryArrow(random);
		other.doubleHeaded = true;
		other.openHead = shape.openHead;
		other.squareBarbs = shape.squareBarbs;
		other.headLength = shape.headLength;
		other.barbOverhang = shape.barbOverhang;
		other.headThickness = shape.headThickness;
		other.barbSweep = shape.barbSweep;
		other.doubleLength = shape.doubleLength;
		other.doubleWidth = shape.doubleWidth;
		ASSERT_TRUE(SameBits(ComputeArrowOutline(other), ComputeArrowOutline(shape))) << Describe(shape) << "\nagainst " << Describe(other);
	}
}

TEST(IgnoredSettings, SolidHeadsIgnoreTheOpenHeadsSettings)
{
	std::mt19937_64 random(10);
	for (int draw = 0; draw < DRAWS; ++draw)
	{
		ArrowShape shape = RandomOrdinaryArrow(random);
		shape.openHead = false;
		ArrowShape other = shape;
		other.squareBarbs = !shape.squareBarbs;
		other.headThickness = RandomOrdinaryArrow(random).headThickness;
		ASSERT_TRUE(SameBits(ComputeArrowOutline(other), ComputeArrowOutline(shape))) << Describe(shape);
	}
}

} // namespace
