// Nothing non-finite leaves the outline, whatever the shape; and for shapes a
// user can set, no coordinate ever needs zeroing to get there.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "arrow_outline_placement.h"
#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

ArrowShape EveryNumberSetTo(ArrowShape shape, double value)
{
	for (double* number : NumbersOf(shape))
		*number = value;
	return shape;
}

TEST(Finiteness, EveryNumberAwkwardAtOnceUnderEverySwitchSetting)
{
	for (unsigned switches = 0; switches < SWITCH_SETTINGS; ++switches)
		for (const double value : AwkwardNumbers())
		{
			const ArrowShape shape = EveryNumberSetTo(WithSwitches(DefaultArrow(), switches), value);
			ASSERT_TRUE(AllFinite(ComputeArrowOutline(shape))) << Describe(shape);
		}
}

// Each number of the defaults replaced in turn: one zero or one huge value
// among ordinary ones is where divisions and cancellations go wrong.
TEST(Finiteness, OneAwkwardNumberAmongTheDefaultsUnderEverySwitchSetting)
{
	for (unsigned switches = 0; switches < SWITCH_SETTINGS; ++switches)
		for (const double value : AwkwardNumbers())
			for (std::size_t field = 0; field < NUMBER_FIELDS; ++field)
			{
				ArrowShape shape = WithSwitches(DefaultArrow(), switches);
				*NumbersOf(shape)[field] = value;
				ASSERT_TRUE(AllFinite(ComputeArrowOutline(shape))) << Describe(shape);
			}
}

TEST(Finiteness, RandomAwkwardShapes)
{
	std::mt19937_64 random(6);
	for (int draw = 0; draw < 100000; ++draw)
	{
		const ArrowShape shape = RandomAwkwardArrow(random);
		ASSERT_TRUE(AllFinite(ComputeArrowOutline(shape))) << Describe(shape);
	}
}

// The outline as placed, before anything is zeroed, is already finite: for
// these shapes the last guard never changes a coordinate.
TEST(OverflowGuard, NeverFiresForShapesAUserCanSet)
{
	std::mt19937_64 random(7);
	for (int draw = 0; draw < 100000; ++draw)
	{
		const ArrowShape shape = RandomOrdinaryArrow(random);
		ASSERT_TRUE(AllFinite(arrow_outline::PlaceArrowOutline(shape))) << Describe(shape);
	}
}

TEST(OverflowGuard, HugeLengthsWhoseSumOverflowsComeOutAsZero)
{
	ArrowShape shape = DefaultArrow();
	shape.shaftLength = 1e308;
	shape.headLength = 1e308;
	ASSERT_FALSE(AllFinite(arrow_outline::PlaceArrowOutline(shape)));

	// Tail and tip lie at ±(1e308 + 1e308) / 2; the widths survive.
	EXPECT_TRUE(HasPoints(ComputeArrowOutline(shape), { { 0, 50 }, { 0, 50 }, { 0, 100 }, { 0, 0 }, { 0, -100 }, { 0, -50 }, { 0, -50 } }));
}

// A barb 2.2e-16 wide over a head 1e300 long has a subnormal slope; the shaft
// end, one barb overhang's run along it, lies beyond the largest double.
TEST(OverflowGuard, ShaftEndBeyondASubnormalSlopeComesOutAsZero)
{
	ArrowShape shape = DefaultArrow();
	shape.openHead = true;
	shape.headLength = 1e300;
	shape.headThickness = 0;
	shape.barbOverhang = 1;
	shape.shaftWidth = -2 + 0x1p-51;
	shape.shaftLength = 0;
	const ArrowOutline placed = arrow_outline::PlaceArrowOutline(shape);
	ASSERT_TRUE(std::isinf(placed.points[1].x));

	const ArrowOutline outline = ComputeArrowOutline(shape);
	EXPECT_EQ(outline.points[1].x, 0.0);
	EXPECT_EQ(outline.points[1].y, placed.points[1].y);
	EXPECT_EQ(outline.points[2].x, placed.points[2].x);
}

} // namespace
