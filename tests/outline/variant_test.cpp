// Which outline a shape gets, and how many points it has.
#include <gtest/gtest.h>

#include <random>

#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

TEST(VariantChoice, DoubleArrowOverridesShaftFinsAndBevel)
{
	for (unsigned switches = 0; switches < SWITCH_SETTINGS; ++switches)
	{
		const ArrowShape shape = WithSwitches(DefaultArrow(), switches);
		if (!shape.doubleHeaded)
			continue;
		EXPECT_EQ(ChooseArrowVariant(shape), shape.openHead ? ArrowVariant::DOUBLE_OPEN : ArrowVariant::DOUBLE_SOLID) << switches;
	}
}

TEST(VariantChoice, FinsWithoutTheShaftLeaveTheHeadAlone)
{
	ArrowShape shape = DefaultArrow();
	shape.shaft = false;
	shape.fins = true;
	EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::HEAD_SOLID);
	shape.openHead = true;
	EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::HEAD_OPEN);
}

TEST(VariantChoice, BevelNeedsAPositiveSize)
{
	for (const double size : { 0.0, -0.0, -10.0 })
	{
		ArrowShape shape = DefaultArrow();
		shape.bevel = true;
		shape.bevelSize = size;
		EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::SHAFT_SOLID) << size;
		shape.shaft = false;
		EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::HEAD_SOLID) << size;
	}
}

TEST(VariantChoice, OpenHeadsTakeNoBevel)
{
	ArrowShape shape = DefaultArrow();
	shape.bevel = true;
	shape.openHead = true;
	EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::SHAFT_OPEN);
	shape.fins = true;
	EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::FINS_OPEN);
	shape.shaft = false;
	EXPECT_EQ(ChooseArrowVariant(shape), ArrowVariant::HEAD_OPEN);
}

TEST(PointCount, FollowsTheVariantForEverySwitchSetting)
{
	for (unsigned switches = 0; switches < SWITCH_SETTINGS; ++switches)
		for (const double notch : { -50.0, 0.0, 50.0 })
			for (const double sweep : { -20.0, 0.0, 20.0 })
				for (const double bevelSize : { -10.0, 0.0, 10.0 })
				{
					ArrowShape shape = WithSwitches(DefaultArrow(), switches);
					shape.tailNotch = notch;
					shape.barbSweep = sweep;
					shape.bevelSize = bevelSize;
					EXPECT_EQ(ComputeArrowOutline(shape).count, TablePointCount(shape)) << Describe(shape);
				}
}

// Zero barbs, zero divisors and the like move points, never add or drop them.
TEST(PointCount, DependsOnNoOtherValue)
{
	std::mt19937_64 random(20240611);
	for (int draw = 0; draw < 20000; ++draw)
	{
		const ArrowShape shape = draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random);
		ASSERT_EQ(ComputeArrowOutline(shape).count, TablePointCount(shape)) << Describe(shape);
	}
}

} // namespace
