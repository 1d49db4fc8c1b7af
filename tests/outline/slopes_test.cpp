// The helpers that settle zero and undefined slopes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "arrow_outline_slopes.h"

namespace arrow_outline
{
namespace
{

const double INF = std::numeric_limits<double>::infinity();

// What floating-point division gives, without dividing by zero.
TEST(Quotient, ZeroDivisorsGiveSignedInfinities)
{
	EXPECT_EQ(Quotient(3.0, 0.0), INF);
	EXPECT_EQ(Quotient(3.0, -0.0), -INF);
	EXPECT_EQ(Quotient(-3.0, 0.0), -INF);
	EXPECT_EQ(Quotient(-3.0, -0.0), INF);
	EXPECT_EQ(Quotient(INF, -0.0), -INF);
}

TEST(Quotient, ZeroOverZeroIsUndefined)
{
	EXPECT_TRUE(std::isnan(Quotient(0.0, 0.0)));
	EXPECT_TRUE(std::isnan(Quotient(-0.0, 0.0)));
	EXPECT_TRUE(std::isnan(Quotient(std::nan(""), -0.0)));
}

TEST(Quotient, SubnormalDivisorsOverflowAsDivisionDoes)
{
	EXPECT_EQ(Quotient(1.0, 4.9e-324), INF);
	EXPECT_EQ(Quotient(-1e-320, 4.9e-324), -1e-320 / 4.9e-324);
}

TEST(AngleOfSlope, UndefinedSlopeLiesFlat)
{
	EXPECT_EQ(AngleOfSlope(std::nan("")), 0.0);
	EXPECT_EQ(AngleOfSlope(INF), std::atan(INF));
	EXPECT_EQ(AngleOfSlope(-1.0), std::atan(-1.0));
}

TEST(AddRun, FlatUprightAndUndefinedSlopesRunNowhere)
{
	EXPECT_EQ(AddRun(150.0, 50.0, 0.0), 150.0);
	EXPECT_EQ(AddRun(150.0, 50.0, -0.0), 150.0);
	EXPECT_EQ(AddRun(150.0, 50.0, INF), 150.0);
	EXPECT_EQ(AddRun(150.0, 50.0, -INF), 150.0);
	EXPECT_EQ(AddRun(150.0, 50.0, std::nan("")), 150.0);
	EXPECT_EQ(AddRun(150.0, 50.0, 2.0), 175.0);
}

} // namespace
} // namespace arrow_outline
