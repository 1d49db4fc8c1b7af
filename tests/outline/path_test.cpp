// The arrow along a path, against its rule: a straight path gives the straight
// outline moved and turned, the shaft keeps its width round the path's
// corners, the heads stay rigid with the tip on Q(b), a closed path repeats
// every lap, a window too short for the head grows without a jump, and
// nothing leaves it that a spline cannot hold.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "arrow_path.h"
#include "arrow_shapes.h"
#include "outline_checks.h"

namespace
{

const double PI = std::acos(-1.0);

using Path = std::vector<PathPoint>;

struct Window
{
	double start, end, offset;
};

struct Bent
{
	int count; // as BendArrowOutline returns it
	std::vector<OutlinePoint> points;
};

Bent Bend(const ArrowShape& shape, const Path& path, bool closed, const Window& window = { 0.0, 1.0, 0.0 })
{
	const ArrowPath along { path.data(), static_cast<int>(path.size()), closed, window.start, window.end, window.offset };
	Bent bent { 0, std::vector<OutlinePoint>(static_cast<std::size_t>(BentOutlineCapacity(shape, along))) };
	bent.count = BendArrowOutline(shape, along, bent.points.data(), static_cast<int>(bent.points.size()));
	bent.points.resize(bent.count > 0 ? static_cast<std::size_t>(bent.count) : 0);
	return bent;
}

template <typename A, typename B>
double Distance(const A& a, const B& b)
{
	return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
}

double Nearest(const std::vector<OutlinePoint>& points, const PathPoint& target)
{
	double nearest = INFINITY;
	for (const OutlinePoint& point : points)
		nearest = std::fmin(nearest, Distance(point, target));
	return nearest;
}

double Uniform(std::mt19937_64& random, double low, double high)
{
	return std::uniform_real_distribution<double>(low, high)(random);
}

// Q(s) on an open path of distinct points, and the left normal there.
struct PlaceOnPath
{
	PathPoint point, normal;
};

PlaceOnPath Along(const Path& path, double s)
{
	for (std::size_t i = 0;; ++i)
	{
		const double length = Distance(path[i], path[i + 1]);
		const PathPoint way { (path[i + 1].x - path[i].x) / length, (path[i + 1].y - path[i].y) / length };
		if (s <= length || i + 2 == path.size())
			return { { path[i].x + way.x * s, path[i].y + way.y * s }, { -way.y, way.x } };
		s -= length;
	}
}

// A path that keeps heading right, each step turned at random by up to 57
// degrees from +x: it never comes back within a head's length of its end.
Path ForwardPath(std::mt19937_64& random, int points, double step)
{
	Path path { { Uniform(random, -1e3, 1e3), Uniform(random, -1e3, 1e3) } };
	while (static_cast<int>(path.size()) < points)
	{
		const double heading = Uniform(random, -1.0, 1.0);
		const double length = Uniform(random, 0.5, 1.5) * step;
		path.push_back({ path.back().x + length * std::cos(heading), path.back().y + length * std::sin(heading) });
	}
	return path;
}

Path Circle(int points, double radius)
{
	Path circle;
	for (int i = 0; i < points; ++i)
		circle.push_back({ radius * std::cos(2.0 * PI * i / points), radius * std::sin(2.0 * PI * i / points) });
	return circle;
}

// The points of the straight outline that move by `by` when its shaft grows
// by 1000: +500 for the head's, -500 for the tail's, as the outline is centred.
std::vector<OutlinePoint> PointsMovingBy(const ArrowShape& shape, double by)
{
	ArrowShape longer = shape;
	longer.shaftLength += 1000.0;
	longer.doubleLength += 1000.0;
	const ArrowOutline outline = ComputeArrowOutline(shape);
	const ArrowOutline moved = ComputeArrowOutline(longer);
	std::vector<OutlinePoint> points;
	for (int i = 0; i < outline.count; ++i)
		if (std::fabs(moved.points[i].x - outline.points[i].x - by) < 1e-9 && moved.points[i].y == outline.points[i].y)
			points.push_back(outline.points[i]);
	return points;
}

// Some run of consecutive points of `outline` is `head` moved rigidly: every
// two of them lie as far apart.
::testing::AssertionResult HasRigidCopy(const std::vector<OutlinePoint>& outline, const std::vector<OutlinePoint>& head, double tolerance)
{
	const std::size_t n = outline.size();
	for (std::size_t first = 0; first < n; ++first)
	{
		bool congruent = true;
		for (std::size_t i = 0; i < head.size() && congruent; ++i)
			for (std::size_t j = 0; j < i && congruent; ++j)
				congruent = std::fabs(Distance(outline[(first + i) % n], outline[(first + j) % n]) - Distance(head[i], head[j])) <= tolerance;
		if (congruent)
			return ::testing::AssertionSuccess();
	}
	return ::testing::AssertionFailure() << "no run of " << head.size() << " points is the head moved rigidly";
}

// Along a straight path, any window the heads fit in: the straight outline
// whose shaft is what the window leaves after the heads, its tip turned onto
// Q(b). So too where the path turns far beyond everything the arrow covers.
TEST(ArrowPath, StraightPathGivesTheStraightOutlineMovedAndTurned)
{
	std::mt19937_64 random(18);
	for (unsigned switches = 0; switches < SWITCH_SETTINGS; ++switches)
		for (int draw = 0; draw < 20; ++draw)
		{
			const ArrowShape shape = WithSwitches(RandomWellFormedArrow(random), switches);
			const double head = shape.headLength;
			const double length = Uniform(random, 6.0, 12.0) * head;
			const double angle = Uniform(random, -PI, PI);
			const PathPoint along { std::cos(angle), std::sin(angle) };
			const PathPoint from { Uniform(random, -1e3, 1e3), Uniform(random, -1e3, 1e3) };
			const Window window { Uniform(random, 0.0, 0.2), Uniform(random, 0.8, 0.9), Uniform(random, -0.1, 0.1) };
			const double a = length * std::fmax(0.0, window.start + window.offset);
			const double b = length * (window.end + window.offset);

			ArrowShape straight = shape;
			straight.shaftLength = b - a - head;
			straight.doubleLength = b - a - 2.0 * head;
			const ArrowOutline expected = ComputeArrowOutline(straight);
			const double tipX = shape.shaft || shape.doubleHeaded ? (b - a) * 0.5 : head * 0.5;
			const double far = length + 3e3;
			const PathPoint turn { from.x + far * along.x, from.y + far * along.y };
			const Path line { from, { from.x + length * along.x, from.y + length * along.y } };
			const Path turning { from, turn, { turn.x - far * along.y, turn.y + far * along.x } };
			const double share = length / (2.0 * far);
			for (const Bent& bent : { Bend(shape, line, false, window),
					 Bend(shape, turning, false, { window.start * share, window.end * share, window.offset * share }) })
			{
				ASSERT_EQ(bent.count, expected.count) << Describe(shape);
				for (int i = 0; i < expected.count; ++i)
				{
					const double x = expected.points[i].x - tipX + b;
					const double y = expected.points[i].y;
					const OutlinePoint& point = bent.points[static_cast<std::size_t>(i)];
					ASSERT_LE(Distance(point, PathPoint { from.x + x * along.x - y * along.y, from.y + x * along.y + y * along.x }), 1e-9 * (far + 1e3))
						<< "point " << i << ", " << Describe(shape);
				}
			}
		}
}

// Round a circle of 256 equal sides the shaft keeps its width: on each side
// of a shaft that tapers from 20 at the tail to 50, each vertex of the window
// more than a head's length from the tip adds one point, in turn, as far
// from the lines of both its segments, that distance changing by one step
// from vertex to vertex. Tail corners at vertex 0 keep their half width.
TEST(ArrowPath, OnACircleEveryAddedPointKeepsTheShaftsHalfWidth)
{
	const Path circle = Circle(256, 1000.0);
	const double side = 2.0 * 1000.0 * std::sin(PI / 256.0);
	for (const bool openHead : { false, true })
		for (const bool closed : { true, false })
		{
			ArrowShape shape = DefaultArrow();
			shape.openHead = openHead;
			shape.taperBack = 0.6;
			const Window window { closed ? 0.0 : 0.1, 0.45, 0.0 };
			const double length = side * (closed ? 256 : 255);
			const PathPoint tip = Along(circle, length * window.end).point;
			int between = 0;
			for (int i = 1; i < 256; ++i)
				between += i * side > length * window.start && i * side < length * window.end && Distance(circle[static_cast<std::size_t>(i)], tip) > shape.headLength;

			const Bent bent = Bend(shape, circle, closed, window);
			const int head = ComputeArrowOutline(shape).count - 2;
			ASSERT_EQ(bent.count, head + 2 + 2 * between) << "open head " << openHead << ", closed " << closed;
			// Upper side after the upper tail corner, lower side after the head.
			std::vector<std::pair<std::size_t, double>> sides[2];
			for (int k = closed ? -1 : 0; k < 2 * between + (closed ? 1 : 0); ++k)
			{
				const OutlinePoint& point = bent.points[static_cast<std::size_t>(k < between ? 1 + k : 1 + head + k)];
				const auto vertex = static_cast<std::size_t>(std::lround(std::atan2(point.y, point.x) / (2.0 * PI / 256.0)) + 256) % 256;
				double distances[2];
				for (const std::size_t end : { std::size_t { 0 }, std::size_t { 1 } })
				{
					const PathPoint& at = circle[vertex];
					const PathPoint& line = circle[(vertex + (end == 0 ? 255 : 1)) % 256];
					distances[end] = std::fabs((line.x - at.x) * (point.y - at.y) - (line.y - at.y) * (point.x - at.x)) / side;
				}
				EXPECT_NEAR(distances[0], distances[1], 1e-9) << "point " << k;
				if (k < 0 || k == 2 * between)
					EXPECT_NEAR(distances[0], 20.0, 1e-9) << "a tail corner";
				else
					sides[k < between ? 0 : 1].push_back({ vertex, distances[0] });
			}
			for (const std::size_t upper : { std::size_t { 1 }, std::size_t { 0 } })
			{
				const auto& run = sides[1 - upper];
				for (std::size_t k = 1; k < run.size(); ++k)
				{
					const double step = run[k].second - run[k - 1].second;
					EXPECT_EQ(run[k].first, (run[k - 1].first + (upper ? 1 : 255)) % 256) << "point " << k;
					EXPECT_NEAR(step, run[1].second - run[0].second, 1e-9) << "point " << k;
					EXPECT_GT(upper ? step : -step, 0.0) << "point " << k << ": the shaft widens towards the head";
				}
			}
		}
}

// Along random paths that bend under the head: the head is the straight head
// moved rigidly, and each tail point (x, y) that keeps its place behind the
// tail corners whatever the shaft's length stands at Q(a + u) + y N(a + u), u
// its distance ahead of them. The tip stands on Q(b) wherever the window ends.
TEST(ArrowPath, HeadsStayRigidTheTailFollowsAndTheTipEndsTheWindow)
{
	std::mt19937_64 random(19);
	for (unsigned switches = 0; switches < SWITCH_SETTINGS; ++switches)
		for (int draw = 0; draw < 10; ++draw)
		{
			ArrowShape shape = WithSwitches(RandomWellFormedArrow(random), switches);
			// Untapered, every tail point keeps its place.
			if (draw % 2 == 0)
				shape.taperFront = shape.taperBack = 0.0;
			const Path path = ForwardPath(random, 60, shape.headLength / 3.0);
			const std::vector<OutlinePoint> bent = Bend(shape, path, false).points;
			const double tolerance = 1e-9 * (shape.headLength * 60.0 + 1e3);
			const std::vector<OutlinePoint> head = PointsMovingBy(shape, 500.0);
			ASSERT_TRUE(HasRigidCopy(bent, head.empty() ? PointsMovingBy(shape, 0.0) : head, tolerance)) << Describe(shape);
			// A double arrow's back head moves back as the shaft grows, but it is a head.
			const std::vector<OutlinePoint> tail = shape.doubleHeaded ? std::vector<OutlinePoint>() : PointsMovingBy(shape, -500.0);
			for (const OutlinePoint& point : tail)
			{
				const PlaceOnPath place = Along(path, point.x + (shape.headLength + shape.shaftLength) * 0.5);
				ASSERT_LE(Nearest(bent, { place.point.x + point.y * place.normal.x, place.point.y + point.y * place.normal.y }), tolerance)
					<< Describe(shape);
			}
		}

	// Along an open circle of 64 points: from a point to a whole arrow.
	const Path arc = Circle(64, 500.0);
	const double length = 63 * 2.0 * 500.0 * std::sin(PI / 64.0);
	for (int step = 1; step <= 101; ++step)
		EXPECT_LE(Nearest(Bend(DefaultArrow(), arc, false, { 0.0, step / 101.0, 0.0 }).points, Along(arc, length * step / 101.0).point), 1e-9)
			<< "end " << step << " / 101";
}

TEST(ArrowPath, Counts)
{
	const auto with = [](void (*change)(ArrowShape&)) {
		ArrowShape shape = DefaultArrow();
		change(shape);
		return shape;
	};
	const Path corner { { 0, 0 }, { 400, 0 }, { 400, 300 } };
	// A turn of about 177 degrees, too sharp for a miter.
	const Path hairpin { { 0, 0 }, { 500, 0 }, { 0, 25 } };
	const Path square { { 0, 0 }, { 400, 0 }, { 400, 400 }, { 0, 400 }, { 0, 0 } };
	struct Case
	{
		const char* name;
		ArrowShape shape;
		Path path;
		bool closed;
		Window window;
		int count;
	};
	const Case cases[] = {
		{ "round a corner: one point on each side", DefaultArrow(), corner, false, { 0, 1, 0 }, 9 },
		{ "fins and notch: both sides only", with([](ArrowShape& s) { s.fins = true;
			s.tailNotch = 30;
		 }), corner, false, { 0, 1, 0 }, 16 },
		{ "double arrow", with([](ArrowShape& s) { s.doubleHeaded = true; }), corner, false, { 0, 1, 0 }, 12 },
		{ "no shaft: nothing bends", with([](ArrowShape& s) { s.shaft = false; }), corner, false, { 0, 1, 0 }, 3 },
		{ "round a hairpin: two points on each side", DefaultArrow(), hairpin, false, { 0, 1, 0 }, 11 },
		{ "closed square from a corner: three corners", DefaultArrow(), square, true, { 0, 0.9, 0 }, 13 },
		{ "too short for the head", DefaultArrow(), corner, false, { 0, 0.1, 0 }, 7 },
		{ "an empty window", DefaultArrow(), corner, false, { 0.5, 0.5, 0 }, 0 },
		{ "a single point, repeated", DefaultArrow(), { { 5, 5 }, { 5, 5 } }, false, { 0, 1, 0 }, -1 },
		{ "no head", with([](ArrowShape& s) { s.headLength = 0; }), corner, false, { 0, 1, 0 }, -1 },
		{ "the head's base on a vertex", DefaultArrow(), { { 0, 0 }, { 400, 0 }, { 500, 0 } }, false, { 0, 1, 0 }, 7 },
		{ "the back head's base on a vertex", with([](ArrowShape& s) { s.doubleHeaded = true; }), { { 0, 0 }, { 100, 0 }, { 500, 0 } }, false,
			{ 0, 1, 0 }, 10 },
	};
	for (const Case& test : cases)
		EXPECT_EQ(Bend(test.shape, test.path, test.closed, test.window).count, test.count) << test.name;
}

// A closed path taken periodically: an offset of a whole lap changes nothing,
// and neither does starting it from another of its points.
TEST(ArrowPath, ClosedPathHasNoStart)
{
	std::mt19937_64 random(20);
	for (int draw = 0; draw < 1000; ++draw)
	{
		const ArrowShape shape = WithSwitches(RandomWellFormedArrow(random), static_cast<unsigned>(draw) % SWITCH_SETTINGS);
		Path path = Circle(std::uniform_int_distribution<int>(3, 40)(random), shape.headLength * Uniform(random, 0.5, 8.0));
		for (PathPoint& point : path)
			point = { point.x * Uniform(random, 0.7, 1.3), point.y * Uniform(random, 0.7, 1.3) };
		const Window window { Uniform(random, 0.0, 1.0), Uniform(random, 0.0, 1.0), Uniform(random, -1.0, 1.0) };
		// The same path from its second point on, the window moved back by its
		// first side; its last point repeats its first, and one point is doubled.
		Path turned(path.begin() + 1, path.end());
		turned.push_back(path.front());
		double length = 0.0;
		for (std::size_t i = 0; i < path.size(); ++i)
			length += Distance(path[i], turned[i]);
		const double firstSide = Distance(path[0], path[1]);
		turned.push_back(turned.front());
		turned.insert(turned.begin() + 1, turned[1]);

		const Bent once = Bend(shape, path, true, window);
		for (const Bent& again : { Bend(shape, path, true, { window.start, window.end, window.offset + 1.0 }),
				 Bend(shape, turned, true, { window.start, window.end, window.offset - firstSide / length }) })
		{
			ASSERT_EQ(once.count, again.count) << Describe(shape);
			for (std::size_t i = 0; i < once.points.size(); ++i)
				ASSERT_LE(Distance(once.points[i], again.points[i]), 1e-9 * shape.headLength * 10.0)
					<< "point " << i << ", " << Describe(shape);
		}
	}
}

// From a point to a head and on to a whole arrow, no point jumps as the window
// grows: it moves no further than the window's end does, times the arrow's
// width over its head's length. Without fins, the arrow starts at Q(a).
TEST(ArrowPath, GrowsFromAPointWithoutAJump)
{
	// It turns at 1000, beyond every window tried.
	const Path line { { 0, 0 }, { 600, 800 }, { 1400, 200 } };
	for (const bool doubleHeaded : { false, true })
		for (const bool fins : { false, true })
		{
			ArrowShape shape = DefaultArrow();
			shape.doubleHeaded = doubleHeaded;
			shape.fins = fins;
			std::vector<OutlinePoint> before;
			for (int step = 1; step <= 300; ++step)
			{
				const std::vector<OutlinePoint> points = Bend(shape, line, false, { 0.0, step / 2000.0, 0.0 }).points;
				ASSERT_EQ(points.size(), step == 1 ? points.size() : before.size()) << step;
				double back = INFINITY;
				for (std::size_t i = 0; i < points.size(); ++i)
				{
					back = std::fmin(back, (points[i].x * 600.0 + points[i].y * 800.0) / 1000.0);
					ASSERT_TRUE(before.empty() || Distance(points[i], before[i]) <= 3.0) << "point " << i << " at step " << step;
				}
				ASSERT_TRUE(fins || std::fabs(back) < 1e-9) << "step " << step << " starts at " << back;
				before = points;
			}
		}
}

// Seeded random paths (repeated points, zero, huge and undefined
// coordinates, open or closed) and windows, under random shapes, rounded or
// not: never more points than the capacities say, and every one finite.
TEST(ArrowPath, FiniteWhateverThePathAndShape)
{
	std::mt19937_64 random(21);
	const auto number = [&random]() {
		const std::vector<double>& awkward = AwkwardNumbers();
		if (std::bernoulli_distribution(0.2)(random))
			return awkward[std::uniform_int_distribution<std::size_t>(0, awkward.size() - 1)(random)];
		return Uniform(random, -1e3, 1e3);
	};
	for (int draw = 0; draw < 10000; ++draw)
	{
		const ArrowShape shape = WithRandomRounding(draw % 2 ? RandomOrdinaryArrow(random) : RandomAwkwardArrow(random), random, draw % 4 < 2);
		Path path;
		for (int i = std::uniform_int_distribution<int>(0, 12)(random); i > 0; --i)
			path.push_back(!path.empty() && std::bernoulli_distribution(0.2)(random) ? path.back() : PathPoint { number(), number() });
		const ArrowPath along { path.data(), static_cast<int>(path.size()), draw % 3 == 0, number() / 1e3, number() / 1e3, number() / 1e3 };
		const int capacity = BentOutlineCapacity(shape, along);
		std::vector<OutlinePoint> bent(static_cast<std::size_t>(capacity));
		const int count = BendArrowOutline(shape, along, bent.data(), capacity);
		ASSERT_LE(count, capacity) << Describe(shape);
		ASSERT_TRUE(AllFinite({ bent.data(), count })) << Describe(shape);

		std::vector<OutlinePoint> rounded(static_cast<std::size_t>(RoundedOutlineCapacity(count, shape)));
		const int roundedCount = RoundOutlinePoints(bent.data(), count, shape, rounded.data(), static_cast<int>(rounded.size()));
		ASSERT_LE(roundedCount, static_cast<int>(rounded.size())) << Describe(shape);
		ASSERT_TRUE(AllFinite({ rounded.data(), roundedCount })) << Describe(shape);
	}
}

} // namespace
