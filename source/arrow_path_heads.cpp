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

// Walking from Q(s) at `from` towards `stop`, which holds `stopS`, segment
// by segment: the first place at distance `radius` from Q(s). On each
// segment the point of it furthest along the walk decides, and the place is
// solved from there back towards the centre; a place exactly at a vertex is
// the start of the segment after it.
bool FindDistance(const PathCursor& from, double s, const PathCursor& stop, double stopS, double radius, bool backwards, HeadBase& base)
{
	const PathPoint centre = from.PointAt(s);
	PathCursor segment = from;
	for (int steps = 0; steps <= segment.path->pointCount; ++steps)
	{
		const bool holdsStop = SameSegment(segment, stop);
		const double furthestAlong = holdsStop ? stopS - stop.start : (backwards ? 0.0 : segment.length);
		const PathPoint furthest = holdsStop ? stop.PointAt(stopS) : segment.path->points[backwards ? segment.from : segment.to];
		if (Reaches(furthest, centre, radius))
		{
			const PathPoint direction = segment.Direction();
			const PathPoint inwards = backwards ? direction : PathPoint { -direction.x, -direction.y };
			const double inside = DistanceIntoCircle(furthest, inwards, centre, radius);
			base.along = furthestAlong + (backwards ? inside : -inside);
			if (inside == 0.0 && !backwards && !holdsStop)
			{
				segment.Advance();
				base.along = 0.0;
			}
			base.segment = segment;
			base.s = segment.start + base.along;
			base.point = Along(furthest, inside, inwards);
			return true;
		}
		if (holdsStop || !(backwards ? segment.Retreat() : segment.HasNext()))
			return false;
		if (!backwards)
			segment.Advance();
	}
	return false;
}

} // namespace

bool FindFrontBase(const PathCursor& atA, double a, const PathCursor& atB, double b, double headLength, HeadBase& base)
{
	return FindDistance(atB, b, atA, a, headLength, true, base);
}

bool FindBackBase(const PathCursor& atA, double a, const PathCursor& atB, double b, double headLength, HeadBase& base)
{
	return FindDistance(atA, a, atB, b, headLength, false, base);
}

} // namespace arrow_path
