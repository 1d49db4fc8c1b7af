#include "tool/label_placement.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace tool
{

namespace
{

constexpr double DIGIT_WIDTH = 0.64; // of the font size, sans-serif digits and capitals
constexpr double TEXT_HEIGHT = 0.8;  // likewise, the digits' height with a little air
constexpr double PADDING = 1.0;
constexpr double GAP = 4.0;        // between a point's centre and its number's box
constexpr double DOT_RADIUS = 3.5; // a point's dot with a little air

Point2 operator+(Point2 a, Point2 b) { return { a.x + b.x, a.y + b.y }; }
Point2 operator-(Point2 a, Point2 b) { return { a.x - b.x, a.y - b.y }; }
Point2 operator*(Point2 a, double s) { return { a.x * s, a.y * s }; }
double Cross(Point2 a, Point2 b) { return a.x * b.y - a.y * b.x; }
double Length(Point2 a) { return std::hypot(a.x, a.y); }

Point2 Unit(Point2 a)
{
	const double length = Length(a);
	return length > 0.0 ? a * (1.0 / length) : Point2 { 0.0, -1.0 };
}

Point2 Turned(Point2 a, double degrees)
{
	const double angle = degrees * std::numbers::pi / 180.0;
	return { a.x * std::cos(angle) - a.y * std::sin(angle), a.x * std::sin(angle) + a.y * std::cos(angle) };
}

// Twice the signed area in view coordinates: positive when the points run clockwise on screen.
double SignedArea(const std::vector<Point2>& points)
{
	double area = 0.0;
	for (std::size_t i = 0; i < points.size(); ++i)
		area += Cross(points[i], points[(i + 1) % points.size()]);
	return area;
}

// The nearest point before (step -1) or after (step +1) point `i` that lies elsewhere.
Point2 Neighbour(const std::vector<Point2>& points, std::size_t i, int step)
{
	const std::size_t count = points.size();
	for (std::size_t k = 1; k < count; ++k)
	{
		const std::size_t j = step > 0 ? (i + k) % count : (i + count - k % count) % count;
		if (Length(points[j] - points[i]) > 1e-9)
			return points[j];
	}
	return points[i] + Point2 { 1.0, 0.0 };
}

// Away from the outline's inside, halving the corner's angle.
Point2 Outward(const std::vector<Point2>& points, std::size_t i, double area)
{
	const Point2 p = points[i];
	const Point2 before = Neighbour(points, i, -1);
	const Point2 after = Neighbour(points, i, +1);
	const Point2 sum = Unit(before - p) + Unit(after - p);
	const double turn = Cross(p - before, after - p);
	if (Length(sum) < 1e-6 || std::abs(turn) < 1e-9)
	{
		// A straight run: the edge's normal on the outer side.
		const Point2 along = Unit(after - before);
		return area > 0.0 ? Point2 { along.y, -along.x } : Point2 { -along.y, along.x };
	}
	const bool convex = (turn > 0.0) == (area > 0.0);
	return Unit(convex ? sum * -1.0 : sum);
}

bool Inside(const std::vector<Point2>& polygon, Point2 q)
{
	bool inside = false;
	for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
	{
		const Point2 a = polygon[i];
		const Point2 b = polygon[j];
		if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x)
			inside = !inside;
	}
	return inside;
}

// Whether segment a-b passes through the box (Liang-Barsky clipping).
bool Crosses(Point2 a, Point2 b, const Box& box)
{
	double enter = 0.0;
	double leave = 1.0;
	const Point2 d = b - a;
	const double p[4] = { -d.x, d.x, -d.y, d.y };
	const double q[4] = { a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y };
	for (int k = 0; k < 4; ++k)
	{
		if (p[k] == 0.0)
		{
			if (q[k] < 0.0)
				return false;
			continue;
		}
		const double t = q[k] / p[k];
		if (p[k] < 0.0)
			enter = std::max(enter, t);
		else
			leave = std::min(leave, t);
		if (enter > leave)
			return false;
	}
	return true;
}

struct Candidate
{
	double degrees;
	double extra;
};

// Along the bisector first, then turned away from it step by step.
std::vector<Candidate> Candidates()
{
	std::vector<Candidate> candidates;
	for (double degrees = -180.0; degrees <= 180.0; degrees += 15.0)
	{
		for (double extra : { 0.0, 3.0, 6.0, 10.0, 16.0, 24.0 })
			candidates.push_back({ degrees, extra });
	}
	std::stable_sort(candidates.begin(), candidates.end(),
		[](const Candidate& a, const Candidate& b) { return std::abs(a.degrees) / 15.0 + a.extra / 4.0 < std::abs(b.degrees) / 15.0 + b.extra / 4.0; });
	return candidates;
}

class Placement
{
public:
	Placement(const std::vector<Point2>& points, const Obstacles& obstacles, const Box& area, double size)
		: _points(points), _taken(obstacles.texts), _lines(obstacles.lines), _area(area), _size(size)
	{
		for (const Point2& p : points)
			_dots.push_back({ p.x - DOT_RADIUS, p.y - DOT_RADIUS, p.x + DOT_RADIUS, p.y + DOT_RADIUS });
		for (std::size_t k = 0; k < points.size(); ++k)
			_edges.push_back({ points[k], points[(k + 1) % points.size()] });
	}

	Point2 Place(std::size_t i, Point2 outward)
	{
		const std::size_t digits = std::to_string(i).size();
		const std::vector<Candidate> candidates = Candidates();
		for (Care care : { Care::EdgesAndLines, Care::Edges, Care::Texts })
		{
			for (const Candidate& candidate : candidates)
			{
				const Point2 centre = CentreFor(_points[i], Turned(outward, candidate.degrees), digits, candidate.extra);
				const Box box = TextBox(centre, digits, _size);
				if (Free(box, centre, care))
					return Take(box, centre);
			}
		}
		const Point2 centre = CentreFor(_points[i], outward, digits, 0.0);
		return Take(TextBox(centre, digits, _size), centre);
	}

private:
	// The centre that puts the box GAP + extra beyond the point in `direction`.
	Point2 CentreFor(Point2 p, Point2 direction, std::size_t digits, double extra) const
	{
		const Box box = TextBox({ 0.0, 0.0 }, digits, _size);
		const double halfWidth = box.right;
		const double halfHeight = box.bottom;
		const double reach = std::min(std::abs(direction.x) > 1e-9 ? halfWidth / std::abs(direction.x) : INFINITY,
			std::abs(direction.y) > 1e-9 ? halfHeight / std::abs(direction.y) : INFINITY);
		return p + direction * (reach + GAP + extra);
	}

	// How much a number keeps clear of: always of the texts and points; first
	// also of the outline and the lines, then of the outline alone.
	enum class Care
	{
		EdgesAndLines,
		Edges,
		Texts
	};

	static bool Clear(const std::vector<Segment>& segments, const Box& box)
	{
		return std::none_of(segments.begin(), segments.end(), [&](const Segment& line) { return Crosses(line.from, line.to, box); });
	}

	bool Free(const Box& box, Point2 centre, Care care) const
	{
		if (!_area.Holds(box))
			return false;
		const auto overlaps = [&](const Box& other) { return box.Overlaps(other); };
		if (std::any_of(_taken.begin(), _taken.end(), overlaps) || std::any_of(_dots.begin(), _dots.end(), overlaps))
			return false;
		if (care == Care::Texts)
			return true;
		return !Inside(_points, centre) && Clear(_edges, box) && (care == Care::Edges || Clear(_lines, box));
	}

	Point2 Take(const Box& box, Point2 centre)
	{
		_taken.push_back(box);
		return centre;
	}

	const std::vector<Point2>& _points;
	std::vector<Box> _taken;
	std::vector<Segment> _lines; // the axes
	std::vector<Segment> _edges; // the outline's
	std::vector<Box> _dots;
	Box _area;
	double _size;
};

} // namespace

bool Box::Overlaps(const Box& other) const
{
	return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool Box::Holds(const Box& inner) const
{
	return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom;
}

Box TextBox(Point2 centre, std::size_t characters, double size)
{
	const double halfWidth = static_cast<double>(characters) * DIGIT_WIDTH * size * 0.5 + PADDING;
	const double halfHeight = TEXT_HEIGHT * size * 0.5 + PADDING;
	return { centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight };
}

double TextBaseline(double centreY, double size)
{
	return centreY + 0.36 * size;
}

std::vector<Point2> PlacePointNumbers(const std::vector<Point2>& points, const Obstacles& obstacles, const Box& area, double size)
{
	std::vector<Point2> centres;
	if (points.empty())
		return centres;
	const double signedArea = SignedArea(points);
	Placement placement(points, obstacles, area, size);
	for (std::size_t i = 0; i < points.size(); ++i)
		centres.push_back(placement.Place(i, Outward(points, i, signedArea)));
	return centres;
}

} // namespace tool
