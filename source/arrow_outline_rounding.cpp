// Rounded corners: each corner of the finished outline gives way to a
// circular arc tangent to its two edges, centred on the corner's bisector.
#include "arrow_outline_rounding.h"

#include <cmath>

#include "arrow_outline_points.h"

namespace
{

const double PI = 3.14159265358979323846;

// A corner this close to a straight line, or to folding back on itself,
// keeps its single point.
const double STRAIGHT_TOLERANCE = 1e-9;

void AppendPoint(RoundedOutline& rounded, double x, double y)
{
	rounded.points[rounded.count++] = OutlinePoint { x, y, 0.0 };
}

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

// Appends the corner `corner`, reached along `in` and left along `out`: the
// `steps` + 1 points of its arc, or the corner itself where it takes none.
//
// With u and v the unit directions from the corner towards its neighbours and
// alpha the angle between them, the arc's radius is at most `radius` and at
// most what puts its ends halfway along the shorter edge; its ends lie
// d = radius / tan(alpha / 2) along u and v, and it runs between them around
// its centre, in the basis of m (from the centre towards the corner) and q
// (from the end towards v to the end towards u). The points are worked out
// in pairs from the arc's middle, so that a corner's mirror image (u and v
// exchanged, y negated) gives the mirror images of its points exactly.
void AppendRoundedCorner(RoundedOutline& rounded, const OutlinePoint& corner, const Edge& in, const Edge& out, double radius, int steps)
{
	if (in.length == 0.0 || out.length == 0.0)
	{
		AppendPoint(rounded, corner.x, corner.y);
		return;
	}

	const double ux = -in.x;
	const double uy = -in.y;
	const double vx = out.x;
	const double vy = out.y;
	const double cosine = ux * vx + uy * vy;
	const double sine = std::fabs(ux * vy - uy * vx);
	const double angle = std::atan2(sine, cosine);
	// Edges whose lengths overflowed give no angle and keep the corner too.
	if (!(angle > STRAIGHT_TOLERANCE && angle < PI - STRAIGHT_TOLERANCE))
	{
		AppendPoint(rounded, corner.x, corner.y);
		return;
	}

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

	OutlinePoint* const arc = rounded.points + rounded.count;
	rounded.count += steps + 1;
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
}

} // namespace

RoundedOutline RoundArrowOutline(const ArrowOutline& outline, const ArrowShape& shape)
{
	// Only the first `count` points are ever read: the rest are left unset
	// rather than cleared on every contour.
	RoundedOutline rounded;
	rounded.count = 0;

	const int count = outline.count;
	const bool rounding = shape.roundCorners && shape.roundRadius > 0.0 && shape.roundSteps >= 1;
	if (!rounding)
	{
		for (int i = 0; i < count; ++i)
			rounded.points[i] = outline.points[i];
		rounded.count = count;
		return rounded;
	}

	// Every edge is measured once, for the two corners at its ends; the
	// neighbours are always the unrounded outline's points.
	Edge edges[MAX_OUTLINE_POINTS];
	for (int i = 0; i < count; ++i)
		edges[i] = EdgeBetween(outline.points[i], outline.points[i + 1 == count ? 0 : i + 1]);
	const int steps = shape.roundSteps < MAX_ROUNDING_STEPS ? shape.roundSteps : MAX_ROUNDING_STEPS;
	for (int i = 0; i < count; ++i)
		AppendRoundedCorner(rounded, outline.points[i], edges[i == 0 ? count - 1 : i - 1], edges[i], shape.roundRadius, steps);

	// A radius near the largest double, or corners near it, can overflow.
	arrow_outline::ZeroNonFiniteCoordinates(rounded.points, rounded.count);
	return rounded;
}
