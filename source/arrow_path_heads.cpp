#include "arrow_path_heads.h"

#include <cmath>

#include "arrow_path_vectors.h"


namespace arrow_path
{
namespace
{

// How far from `from`, on or outside the circle of `radius` about `centre`,
// a way along the unit `direction` runs before it enters the circle; the way
// is known to end inside it. The nearer root of |from + t direction -
// centre| = radius, in the form that keeps its precision, so that a point on
// the circle gives exactly 0.
double DistanceIntoCircle(const PathPoint& from, const PathPoint& direction, const PathPoint& centre, double radius)
{
	const PathPoint offset = Minus(from, centre);
	const double outside = Dot(offset, offset) - radius * radius;
	if (!(outside > 0.0))
		return 0.0;
	const double across = std::fabs(Cross(offset, direction));
	const double halfChord = std::sqrt(std::fmax(0.0, (radius - across) * (radius + across)));
	return outside / (halfChord - Dot(offset, direction));
}

bool SameSegment(const PathCursor& a, const PathCursor& b)
{
	return a.lap == b.lap && a.from == b.from;
}

bool Reaches(const PathPoint& point, const PathPoint& centre, double radius)
{
	const PathPoint offset = Minus(point, centre);
	return Dot(offset, offset) >= radius * radius;
}

} // namespace

bool FindFrontBase(const PathCursor& atA, double a, const PathCursor& atB, double b, double headLength, HeadBase& base)
{
	const PathPoint tip = atB.PointAt(b);
	PathCursor segment = atB;
	// Only the distance from the tip decides; each segment's part in [a, b]
	// is tried from the end nearer a, back to a's own segment.
	for (int steps = 0; steps <= segment.path->pointCount; ++steps)
	{
		const bool holdsA = SameSegment(segment, atA);
		const PathPoint first = holdsA ? atA.PointAt(a) : segment.path->points[segment.from];
		if (Reaches(first, tip, headLength))
		{
			const PathPoint direction = segment.Direction();
			const double entry = DistanceIntoCircle(first, direction, tip, headLength);
			base.segment = segment;
			base.along = (holdsA ? a - atA.start : 0.0) + entry;
			base.s = segment.start + base.along;
			base.point = Along(first, entry, direction);
			return true;
		}
		if (holdsA || !segment.Retreat())
			return false;
	}
	return false;
}

bool FindBackBase(const PathCursor& atA, double a, const PathCursor& atB, double b, double headLength, HeadBase& base)
{
	const PathPoint tail = atA.PointAt(a);
	PathCursor segment = atA;
	for (int steps = 0; steps <= segment.path->pointCount; ++steps)
	{
		const bool holdsB = SameSegment(segment, atB);
		const PathPoint last = holdsB ? atB.PointAt(b) : segment.path->points[segment.to];
		if (Reaches(last, tail, headLength))
		{
			const PathPoint direction = segment.Direction();
			const PathPoint backwards { -direction.x, -direction.y };
			const double exit = DistanceIntoCircle(last, backwards, tail, headLength);
			if (exit == 0.0 && !holdsB)
			{
				// Exactly at the vertex ending this segment: the place is the
				// start of the next.
				segment.Advance();
				base.along = 0.0;
			}
			else
			{
				base.along = (holdsB ? b - atB.start : segment.length) - exit;
			}
			base.segment = segment;
			base.s = segment.start + base.along;
			base.point = exit == 0.0 ? last : Along(last, exit, backwards);
			return true;
		}
		if (holdsB || !segment.HasNext())
			return false;
		segment.Advance();
	}
	return false;
}

} // namespace arrow_path
