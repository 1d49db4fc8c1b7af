// Rounded corners: each corner of the finished outline gives way to a
// circular arc tangent to its two edges, centred on the corner's bisector.
#include "arrow_outline_rounding.h"

#include <climits>
#include <cmath>

#include "arrow_outline_points.h"
#include "arrow_path.h"

namespace
{

const double PI = 3.14159265358979323846;

// A corner this close to a straight line, or to folding back on itself,
// keeps its single point.
const double STRAIGHT_TOLERANCE = 1e-9;

// The way from one point of the outline to the next: its unit direction and
// its length; no direction for no length.
struct Edge
{
	double x, y;
	double length;
};

Edge EdgeBetween(const OutlinePoint& from, const OutlinePoint& to)
{
	const double dx = to.x - from.x;
	const double dy = to.y - from.y;
	const double length = std::hypot(dx, dy);
	if (length == 0.0)
		return Edge { 0.0, 0.0, 0.0 };
	return Edge { dx / length, dy / length, length };
}

// Writes the corner `corner`, reached along `in` and left along `out`, from
// arc[0]: the `steps` + 1 points of its arc, or the corner itself where it
// takes none. Returns how many points it wrote.
//
// With u and v the unit directions from the corner towards its neighbours and
// alpha the angle between them, the arc's radius is at most `radius` and at
// most what puts its ends halfway along the shorter edge; its ends lie
// d = radius / tan(alpha / 2) along u and v, and it runs between them around
// its centre, in the basis of m (from the centre towards the corner) and q
// (from the end towards v to the end towards u). The points are worked out
// in pairs from the arc's middle, so that a corner's mirror image (u and v
// exchanged, y negated) gives the mirror images of its points exactly.
int WriteRoundedCorner(OutlinePoint* arc, const OutlinePoint& corner, const Edge& in, const Edge& out, double radius, int steps)
{
	arc[0] = OutlinePoint { corner.x, corner.y, 0.0 };
	if (in.length == 0.0 || out.length == 0.0)
		return 1;

	const double ux = -in.x;
	const double uy = -in.y;
	const double vx = out.x;
	const double vy = out.y;
	const double cosine = ux * vx + uy * vy;
	const double sine = std::fabs(ux * vy - uy * vx);
	const double angle = std::atan2(sine, cosine);
	// Edges whose lengths overflowed give no angle and keep the corner too.
	if (!(angle > STRAIGHT_TOLERANCE && angle < PI - STRAIGHT_TOLERANCE))
		return 1;

	// tan(alpha / 2), in the form that keeps its precision on either side of a right angle.
	const double halfTangent = cosine >= 0.0 ? sine / (1.0 + cosine) : (1.0 - cosine) / sine;
	const double shorterEdge = in.length < out.length ? in.length : out.length;
	const double arcRadius = std::fmin(radius, shorterEdge * 0.5 * halfTangent);
	const double tangentDistance = arcRadius / halfTangent;

	// The centre lies on the bisector u + v, radius / sin(alpha / 2) from the
	// corner: (u + v) * radius / sin(alpha), as |u + v| = 2 cos(alpha / 2).
	const double sumX = ux + vx;
	const double sumY = uy + vy;
	const double differenceX = ux - vx;
	const double differenceY = uy - vy;
	const double centreReach = arcRadius / sine;
	const double centreX = corner.x + sumX * centreReach;
	const double centreY = corner.y + sumY * centreReach;
	// m and q, each as long as the arc's radius.
	const double towardsCorner = -arcRadius / std::sqrt(sumX * sumX + sumY * sumY);
	const double across = arcRadius / std::sqrt(differenceX * differenceX + differenceY * differenceY);
	const double mx = sumX * towardsCorner;
	const double my = sumY * towardsCorner;
	const double qx = differenceX * across;
	const double qy = differenceY * across;

	// The arc turns through pi - alpha; point k of `steps` lies at the angle
	// j * step from the middle, j = steps - 2k, towards u for j > 0.
	const double step = (PI - angle) * 0.5 / steps;
	const double stepSine = std::sin(step);
	const double stepCosine = std::cos(step);
	const double turnCosine = 1.0 - 2.0 * stepSine * stepSine;
	const double turnSine = 2.0 * stepSine * stepCosine;

	arc[0] = OutlinePoint { corner.x + ux * tangentDistance, corner.y + uy * tangentDistance, 0.0 };
	arc[steps] = OutlinePoint { corner.x + vx * tangentDistance, corner.y + vy * tangentDistance, 0.0 };
	const bool odd = steps % 2 != 0;
	double c = odd ? stepCosine : 1.0;
	double s = odd ? stepSine : 0.0;
	for (int j = odd ? 1 : 0; j < steps; j += 2)
	{
		arc[(steps - j) / 2] = OutlinePoint { centreX + (c * mx + s * qx), centreY + (c * my + s * qy), 0.0 };
		arc[(steps + j) / 2] = OutlinePoint { centreX + (c * mx - s * qx), centreY + (c * my - s * qy), 0.0 };
		const double turnedC = c * turnCosine - s * turnSine;
		s = s * turnCosine + c * turnSine;
		c = turnedC;
	}
	return steps + 1;
}

bool Rounds(const ArrowShape& shape)
{
	return shape.roundCorners && shape.roundRadius > 0.0 && shape.roundSteps >= 1;
}

int StepsPerArc(const ArrowShape& shape)
{
	return shape.roundSteps < MAX_ROUNDING_STEPS ? shape.roundSteps : MAX_ROUNDING_STEPS;
}

long long RoundedPointBound(int count, const ArrowShape& shape)
{
	if (count <= 0)
		return 0;
	return Rounds(shape) ? static_cast<long long>(count) * (StepsPerArc(shape) + 1) : count;
}

// Drops every point within 1e-9 max(1, the largest absolute coordinate) of
// the point kept before it, and last points within that of the first: where
// two arcs each take half of an edge they meet in one point, not in two that
// may come out a hair's breadth apart in either order. Returns how many
// points are kept.
int DropCoincidentPoints(OutlinePoint* points, int count)
{
	double largest = 1.0;
	for (int i = 0; i < count; ++i)
		largest = std::fmax(largest, std::fmax(std::fabs(points[i].x), std::fabs(points[i].y)));
	// Differences are measured in tolerances, so no square overflows.
	const double perTolerance = 1.0 / (1e-9 * largest);
	const auto coincide = [perTolerance](const OutlinePoint& a, const OutlinePoint& b) {
		const double dx = (a.x - b.x) * perTolerance;
		const double dy = (a.y - b.y) * perTolerance;
		return dx * dx + dy * dy <= 1.0;
	};

	int kept = count > 0 ? 1 : 0;
	for (int i = 1; i < count; ++i)
		if (!coincide(points[i], points[kept - 1]))
			points[kept++] = points[i];
	while (kept > 1 && coincide(points[kept - 1], points[0]))
		--kept;
	return kept;
}

} // namespace

int RoundedOutlineCapacity(int count, const ArrowShape& shape)
{
	const long long bound = RoundedPointBound(count, shape);
	return bound < INT_MAX ? static_cast<int>(bound) : INT_MAX;
}

int RoundOutlinePoints(const OutlinePoint* points, int count, const ArrowShape& shape, OutlinePoint* out, int capacity)
{
	if (count <= 0)
		return 0;
	if (capacity < RoundedPointBound(count, shape))
		return -1;
	if (!Rounds(shape))
	{
		for (int i = 0; i < count; ++i)
			out[i] = points[i];
		return count;
	}

	// Every edge is measured once, for the two corners at its ends; the
	// neighbours are always the unrounded outline's points.
	const Edge closing = EdgeBetween(points[count - 1], points[0]);
	const int steps = StepsPerArc(shape);
	int written = 0;
	Edge in = closing;
	for (int i = 0; i < count; ++i)
	{
		const Edge outgoing = i + 1 == count ? closing : EdgeBetween(points[i], points[i + 1]);
		written += WriteRoundedCorner(out + written, points[i], in, outgoing, shape.roundRadius, steps);
		in = outgoing;
	}

	// A radius near the largest double, or corners near it, can overflow.
	arrow_outline::ZeroNonFiniteCoordinates(out, written);
	return DropCoincidentPoints(out, written);
}

RoundedOutline RoundArrowOutline(const ArrowOutline& outline, const ArrowShape& shape)
{
	// Only the first `count` points are ever read: the rest are left unset
	// rather than cleared on every contour.
	RoundedOutline rounded;
	rounded.count = RoundOutlinePoints(outline.points, outline.count, shape, rounded.points, MAX_ROUNDED_OUTLINE_POINTS);
	return rounded;
}
