// Rounded corners on the finished outline: arcs tangent to the unrounded
// edges, of the radius asked for or the largest that fits, in equal steps;
// the counts, the symmetries and an outline that never crosses itself.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "arrow_outline_rounding.h"
#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

const double SQRT2 = std::sqrt(2.0);

ArrowShape Rounded(ArrowShape shape, double radius, int steps)
{
	shape.roundCorners = true;
	shape.roundRadius = radius;
	shape.roundSteps = steps;
	return shape;
}

RoundedOutline Round(const ArrowShape& shape)
{
	return RoundArrowOutline(ComputeArrowOutline(shape), shape);
}

// Every kind of arrow the gallery shows, on the defaults.
struct Kind
{
	const char* name;
	bool shaft, open, square, fins, bevel, doubleHeaded;
	double notch, sweep, taperFront, taperBack;
};

const Kind GALLERY_KINDS[] = {
	{ "shaft, solid head", true, false, false, false, false, false, 0, 0, 0, 0 },
	{ "shaft, solid head, notch", true, false, false, false, false, false, 60, 0, 0, 0 },
	{ "shaft, bevel", true, false, false, false, true, false, 0, 0, 0, 0 },
	{ "shaft, bevel, notch", true, false, false, false, true, false, 60, 0, 0, 0 },
	{ "shaft, open head", true, true, false, false, false, false, 0, 0, 0, 0 },
	{ "shaft, open head, notch", true, true, false, false, false, false, 60, 0, 0, 0 },
	{ "shaft, open head, square barbs", true, true, true, false, false, false, 0, 0, 0, 0 },
	{ "fins, solid head", true, false, false, true, false, false, 0, 0, 0, 0 },
	{ "fins, solid head, notch", true, false, false, true, false, false, 40, 0, 0, 0 },
	{ "fins, open head", true, true, false, true, false, false, 0, 0, 0, 0 },
	{ "fins, open head, notch", true, true, false, true, false, false, 40, 0, 0, 0 },
	{ "tapered, swept barbs", true, false, false, false, false, false, 0, 30, 0.6, 0.2 },
	{ "head, solid", false, false, false, false, false, false, 0, 0, 0, 0 },
	{ "head, solid, swept barbs", false, false, false, false, false, false, 0, 40, 0, 0 },
	{ "head, bevel", false, false, false, false, true, false, 0, 0, 0, 0 },
	{ "head, bevel, swept barbs", false, false, false, false, true, false, 0, 40, 0, 0 },
	{ "head, open", false, true, false, false, false, false, 0, 0, 0, 0 },
	{ "double, solid heads", true, false, false, false, false, true, 0, 0, 0, 0 },
	{ "double, open heads", true, true, false, false, false, true, 0, 0, 0, 0 },
};

ArrowShape ShapeOf(const Kind& kind)
{
	ArrowShape shape = DefaultArrow();
	shape.shaft = kind.shaft;
	shape.openHead = kind.open;
	shape.squareBarbs = kind.square;
	shape.fins = kind.fins;
	shape.bevel = kind.bevel;
	shape.doubleHeaded = kind.doubleHeaded;
	shape.tailNotch = kind.notch;
	shape.barbSweep = kind.sweep;
	shape.taperFront = kind.taperFront;
	shape.taperBack = kind.taperBack;
	return shape;
}

struct Planar
{
	double x, y;
};

Planar Minus(const OutlinePoint& a, const OutlinePoint& b)
{
	return { a.x - b.x, a.y - b.y };
}

double Cross(const Planar& a, const Planar& b)
{
	return a.x * b.y - a.y * b.x;
}

double Dot(const Planar& a, const Planar& b)
{
	return a.x * b.x + a.y * b.y;
}

double Length(const Planar& a)
{
	return std::hypot(a.x, a.y);
}

// The points arc[0..steps] round the corner P between A and B as the rule
// has it: the ends on the edges towards A and B, the same distance d from P,
// no further than half the shorter edge; the circle through them tangent to
// both edges there, every point on it, in equal steps through pi minus the
// corner's angle; its radius `radius`, or less where d is half the shorter
// edge.
::testing::AssertionResult IsRoundedCorner(const OutlinePoint* arc, int steps, const OutlinePoint& a, const OutlinePoint& p, const OutlinePoint& b, double radius)
{
	const Planar toA = Minus(a, p);
	const Planar toB = Minus(b, p);
	const double shorterEdge = std::fmin(Length(toA), Length(toB));
	const double tolerance = 1e-9 * std::fmax(std::fmax(std::fabs(p.x), std::fabs(p.y)), shorterEdge);
	const Planar first = Minus(arc[0], p);
	const Planar last = Minus(arc[steps], p);
	const double d = Length(first);
	if (std::fabs(Cross(first, toA)) > tolerance * Length(toA) || Dot(first, toA) <= 0.0 || std::fabs(Cross(last, toB)) > tolerance * Length(toB)
		|| Dot(last, toB) <= 0.0)
		return ::testing::AssertionFailure() << "the arc's ends are not on the corner's edges";
	if (std::fabs(Length(last) - d) > tolerance || d > shorterEdge * 0.5 + tolerance)
		return ::testing::AssertionFailure() << "the arc's ends lie " << d << " and " << Length(last) << " from the corner, its shorter edge is " << shorterEdge;

	// The centre, where the perpendiculars to the edges at the ends meet.
	const Planar u { toA.x / Length(toA), toA.y / Length(toA) };
	const Planar v { toB.x / Length(toB), toB.y / Length(toB) };
	const double along = Dot(Minus(arc[steps], arc[0]), v) / Cross(u, v);
	const OutlinePoint centre { arc[0].x - u.y * along, arc[0].y + u.x * along, 0.0 };
	const double arcRadius = Length(Minus(arc[0], centre));
	const double chord = 2.0 * arcRadius * std::sin((std::acos(-1.0) - std::atan2(std::fabs(Cross(u, v)), Dot(u, v))) / (2.0 * steps));
	for (int k = 0; k <= steps; ++k)
	{
		if (std::fabs(Length(Minus(arc[k], centre)) - arcRadius) > tolerance)
			return ::testing::AssertionFailure() << "point " << k << " is off the circle of radius " << arcRadius;
		if (k > 0 && std::fabs(Length(Minus(arc[k], arc[k - 1])) - chord) > tolerance)
			return ::testing::AssertionFailure() << "step " << k << " is " << Length(Minus(arc[k], arc[k - 1])) << " long, not " << chord;
	}
	if (arcRadius > radius + tolerance || (std::fabs(arcRadius - radius) > tolerance && std::fabs(d - shorterEdge * 0.5) > tolerance))
		return ::testing::AssertionFailure() << "an arc of radius " << arcRadius << " where " << radius << " was asked for";
	return ::testing::AssertionSuccess();
}

// Every point of `outline` is rounded with `steps` steps and each of its arcs
// follows the rule; where two arcs meet, their common end is one point.
::testing::AssertionResult EveryCornerRounded(const ArrowOutline& outline, const RoundedOutline& rounded, double radius, int steps)
{
	const int n = outline.count;
	const int m = rounded.count;
	std::vector<OutlinePoint> arc(static_cast<std::size_t>(steps) + 1);
	int next = 0; // the first point no arc has taken yet
	for (int i = 0; i < n; ++i)
	{
		bool found = false;
		// The arc's own first point, or the end of the arc before where the two meet.
		for (const int first : { next, next - 1 })
		{
			for (int k = 0; k <= steps && first >= 0; ++k)
				arc[static_cast<std::size_t>(k)] = rounded.points[(first + k) % m];
			if (first >= 0 && IsRoundedCorner(arc.data(), steps, outline.points[(i + n - 1) % n], outline.points[i], outline.points[(i + 1) % n], radius))
			{
				next = first + steps + 1;
				found = true;
				break;
			}
		}
		if (!found)
			return ::testing::AssertionFailure() << "no arc of corner " << i << " at point " << next << ": " << ::testing::PrintToString(rounded);
	}
	// The last arc may end on the first point.
	if (next != m && next != m + 1)
		return ::testing::AssertionFailure() << m << " points where the arcs take " << next;
	return ::testing::AssertionSuccess();
}

// No two edges that do not share a point cross each other.
::testing::AssertionResult NeverCrossesItself(const RoundedOutline& outline)
{
	const int n = outline.count;
	const auto side = [](const OutlinePoint& a, const OutlinePoint& b, const OutlinePoint& c) { return Cross(Minus(b, a), Minus(c, a)); };
	for (int i = 0; i < n; ++i)
		for (int j = i + 2; j < n; ++j)
		{
			if (i == 0 && j == n - 1)
				continue;
			const OutlinePoint& a = outline.points[i];
			const OutlinePoint& b = outline.points[(i + 1) % n];
			const OutlinePoint& c = outline.points[j];
			const OutlinePoint& d = outline.points[(j + 1) % n];
			if (side(a, b, c) * side(a, b, d) < 0.0 && side(c, d, a) * side(c, d, b) < 0.0)
				return ::testing::AssertionFailure() << "edge " << i << " crosses edge " << j;
		}
	return ::testing::AssertionSuccess();
}

TEST(Rounding, TheDefaultArrowIsSevenArcsOfFivePoints)
{
	const RoundedOutline outline = Round(Rounded(DefaultArrow(), 10.0, 4));
	ASSERT_EQ(outline.count, 35);
	const double c = 10.0 * std::cos(std::acos(-1.0) / 8.0);
	const double s = 10.0 * std::sin(std::acos(-1.0) / 8.0);
	// The tail's upper corner: a quarter circle about (-240, 40).
	const Xy tail[] = { { -250, 40 }, { -240 - c, 40 + s }, { -240 - 5 * SQRT2, 40 + 5 * SQRT2 }, { -240 - s, 40 + c }, { -240, 50 } };
	// The tip: a quarter circle about (250 - 10 sqrt 2, 0).
	const Xy tip[] = { { 250 - 5 * SQRT2, 5 * SQRT2 }, { 260 - 10 * SQRT2, 0 }, { 250 - 5 * SQRT2, -5 * SQRT2 } };
	for (int k = 0; k < 5; ++k)
	{
		EXPECT_NEAR(outline.points[k].x, tail[k].x, 1e-12) << k;
		EXPECT_NEAR(outline.points[k].y, tail[k].y, 1e-12) << k;
	}
	for (int k = 0; k < 3; ++k)
	{
		EXPECT_NEAR(outline.points[15 + 2 * k].x, tip[k].x, 1e-12) << k;
		EXPECT_NEAR(outline.points[15 + 2 * k].y, tip[k].y, 1e-12) << k;
	}
	// The barb corner, 45 degrees: its arc starts 10 (1 + sqrt 2) down the head's base.
	EXPECT_NEAR(outline.points[10].x, 150, 1e-12);
	EXPECT_NEAR(outline.points[10].y, 100 - 10 * (1 + SQRT2), 1e-12);
}

// Every gallery kind with small, middling and unreachable radii, then random
// arrows with random radii and steps.
TEST(Rounding, EveryArcFollowsTheRule)
{
	const auto check = [](const ArrowShape& shape) {
		const ArrowOutline outline = ComputeArrowOutline(shape);
		return EveryCornerRounded(outline, RoundArrowOutline(outline, shape), shape.roundRadius, shape.roundSteps);
	};
	for (const Kind& kind : GALLERY_KINDS)
		for (const double radius : { 10.0, 40.0, 1e6 })
			for (const int steps : { 1, 2, 4, 7, 32 })
				ASSERT_TRUE(check(Rounded(ShapeOf(kind), radius, steps))) << kind.name << ", radius " << radius << ", steps " << steps;

	std::mt19937_64 random(14);
	for (int draw = 0; draw < 10000; ++draw)
	{
		const ArrowShape shape = RandomWellFormedArrow(random);
		const double radius = std::uniform_real_distribution<double>(0.01, 2.0)(random) * shape.headLength;
		const ArrowShape rounded = Rounded(shape, radius, std::uniform_int_distribution<int>(1, 32)(random));
		ASSERT_TRUE(check(rounded)) << Describe(rounded);
	}
}

TEST(Rounding, NoGalleryKindCrossesItselfRounded)
{
	for (const Kind& kind : GALLERY_KINDS)
		for (const double radius : { 10.0, 1e6 })
			for (const int steps : { 4, 32 })
				ASSERT_TRUE(NeverCrossesItself(Round(Rounded(ShapeOf(kind), radius, steps)))) << kind.name << ", radius " << radius << ", steps " << steps;
}

// Hand-made outlines, each point rounded or kept: 1 or steps + 1 points.
TEST(Rounding, StraightFoldedAndDoubledPointsStaySingle)
{
	struct Case
	{
		const char* name;
		std::vector<Xy> points;
		int steps;
		int count;
	};
	const Case cases[] = {
		{ "a square", { { 0, 0 }, { 20, 0 }, { 20, 20 }, { 0, 20 } }, 4, 20 },
		{ "a square, a point halfway along an edge", { { 0, 0 }, { 10, 0 }, { 20, 0 }, { 20, 20 }, { 0, 20 } }, 4, 21 },
		{ "a square, a point doubled", { { 0, 0 }, { 20, 0 }, { 20, 0 }, { 20, 20 }, { 0, 20 } }, 4, 16 },
		{ "a square, 2e-10 short of straight", { { 0, 0 }, { 10, 1e-9 }, { 20, 0 }, { 20, 20 }, { 0, 20 } }, 4, 21 },
		{ "a square, 2e-8 short of straight", { { 0, 0 }, { 10, 1e-7 }, { 20, 0 }, { 20, 20 }, { 0, 20 } }, 4, 25 },
		{ "folded back on a line", { { 0, 0 }, { 10, 0 }, { 5, 0 } }, 4, 3 },
		{ "a square, more steps than an arc takes", { { 0, 0 }, { 20, 0 }, { 20, 20 }, { 0, 20 } }, 40, 4 * 33 },
		{ "a single point", { { 3, 4 } }, 4, 1 },
	};
	for (const Case& test : cases)
	{
		ArrowOutline outline {};
		for (const Xy& point : test.points)
			outline.points[outline.count++] = OutlinePoint { point.x, point.y, 0.0 };
		EXPECT_EQ(RoundArrowOutline(outline, Rounded(DefaultArrow(), 5.0, test.steps)).count, test.count) << test.name;
	}
}

// Where two arcs each took half of an edge, the outline held both their ends:
// two equal points, or on an open head or fins with the bevel switch on, two
// 1e-15 apart in the wrong order, a fold a cap's triangulation may trip on.
TEST(Rounding, ArcsMeetingHalfwayAlongAnEdgeShareOnePoint)
{
	struct Case
	{
		const char* name;
		bool open, fins;
		double radius;
		int count;
	};
	const Case cases[] = { { "bevel", false, false, 10.0, 68 }, { "bevel", false, false, 50.0, 63 },
		{ "bevelled open head", true, false, 50.0, 42 }, { "fins with a bevel", false, true, 50.0, 63 } };
	for (const Case& test : cases)
	{
		ArrowShape shape = Rounded(DefaultArrow(), test.radius, 4);
		shape.bevel = true;
		shape.openHead = test.open;
		shape.fins = test.fins;
		const RoundedOutline outline = Round(shape);
		EXPECT_EQ(outline.count, test.count) << test.name << ", radius " << test.radius;
		for (int i = 0; i < outline.count; ++i)
			EXPECT_GT(Length(Minus(outline.points[(i + 1) % outline.count], outline.points[i])), 1e-6)
				<< test.name << ", radius " << test.radius << ", point " << i;
	}
}

TEST(Rounding, OffNoRadiusOrNoStepsLeavesTheOutlineBitForBit)
{
	struct Case
	{
		bool on;
		double radius;
		int steps;
	};
	const Case cases[] = { { false, 10.0, 4 }, { true, 0.0, 4 }, { true, -0.0, 4 }, { true, -10.0, 4 },
		{ true, std::numeric_limits<double>::quiet_NaN(), 4 }, { true, 10.0, 0 }, { true, 10.0, -1 } };
	std::mt19937_64 random(15);
	for (int draw = 0; draw < 10000; ++draw)
	{
		const Case& off = cases[static_cast<std::size_t>(draw) % std::size(cases)];
		ArrowShape shape = draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random);
		shape = Rounded(shape, off.radius, off.steps);
		shape.roundCorners = off.on;
		const ArrowOutline outline = ComputeArrowOutline(shape);
		ASSERT_TRUE(SameBits(RoundArrowOutline(outline, shape), outline)) << Describe(shape);
	}
}

// Of two points that meet, the one later in the point order goes: the sides
// keep each other's images to within that distance. (Where a shape's
// features are a billionth of its size, runs of points meet and the sides
// keep different ones.)
TEST(Rounding, KeepsTheMirrorAndTheDoubleArrowsHalfTurn)
{
	std::mt19937_64 random(16);
	for (int draw = 0; draw < 10000; ++draw)
	{
		ArrowShape shape = WithRandomRounding(RandomWellFormedArrow(random), random, false);
		const RoundedOutline outline = Round(shape);
		ASSERT_TRUE(IsMirrorSymmetric(outline, CoincidenceTolerance(outline))) << Describe(shape);
		shape.doubleHeaded = true;
		const RoundedOutline doubleArrow = Round(shape);
		ASSERT_TRUE(IsHalfTurnSymmetric(doubleArrow, CoincidenceTolerance(doubleArrow))) << Describe(shape);
	}
}

TEST(Rounding, EveryCoordinateFiniteWhateverTheShapeAndRadius)
{
	std::mt19937_64 random(17);
	for (int draw = 0; draw < 10000; ++draw)
	{
		const ArrowShape shape = WithRandomRounding(draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random), random, draw % 4 < 2);
		const RoundedOutline outline = Round(shape);
		ASSERT_LE(outline.count, MAX_ROUNDED_OUTLINE_POINTS) << Describe(shape);
		ASSERT_TRUE(AllFinite(outline)) << Describe(shape);
	}
}

} // namespace
