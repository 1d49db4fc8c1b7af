#ifndef ARROW_PATH_POLYLINE_H__
#define ARROW_PATH_POLYLINE_H__

#include <cmath>
#include <limits>

#include "arrow_path.h"
#include "arrow_path_vectors.h"

// The path as the arrow follows it: its distinct points in order, measured by
// arc length and walked segment by segment. Nothing is stored per point, so a
// walk measures each segment as it reaches it.
namespace arrow_path
{

// A point equal to the one before it is skipped, and on a closed path so are
// last points equal to the first. A run of equal points stands for its first.
struct PathPolyline
{
	const PathPoint* points;
	int end; // the points considered: points[0..end)
	bool closed;
	int pointCount; // distinct points
	int lastPoint;  // the raw index of the last distinct point
	double length;  // L, the closing segment included when closed
	double lastSegmentStart; // on an open path, the arc length where its last segment starts
};

PathPolyline MeasurePath(const ArrowPath& path);

// The inner vertices of the path: every vertex of a closed path, all but the
// two ends of an open one.
int InnerVertexCount(const PathPolyline& path);

// One segment of the path, where a walk along it has got to. Arc lengths grow
// along the walk; a closed path is walked round and round, its laps numbered
// from the lap that holds arc length 0 to L. An open path's first and last
// segments reach on beyond its ends.
struct PathCursor
{
	const PathPolyline* path;
	double lap;
	double lapStart;  // lap * L
	double withinLap; // the arc length of `from` within its lap
	double start;     // the arc length of `from`
	double next;      // where the next segment starts; infinite on an open path's last
	int from, to;     // the raw indices of the segment's points
	PathPoint way;    // from `from` to `to`
	double length;
	bool inner;            // `from` is an inner vertex...
	PathPoint incomingWay; // ...and this is the segment that ends there
	double incomingLength;

	// The segment holding arc length `s`: the last one starting at or before it.
	static PathCursor At(const PathPolyline& path, double s);

	bool HasNext() const;
	void Advance();
	// The segment before. Its arc lengths are measured back from this one's,
	// so they may differ in the last digits from those a walk forward gives;
	// false, with nothing changed, on an open path's first segment.
	bool Retreat();
	// On to the segment holding `s`; from the path's start where `s` lies
	// behind or more than a lap ahead.
	void Seek(double s);

	PathPoint Direction() const;
	// Q(s), linear along the segment, and Q(s) + y N(s), N(s) the segment's
	// unit left normal, or where `s` is exactly at an inner vertex, its miter
	// (the normal of the segment after it where the turn is too sharp).
	PathPoint PointAt(double s) const;
	PathPoint OffsetAt(double s, double y) const;

	// At the inner vertex `from`: the unit left normals of the segments before
	// and after it; a turn of more than about 151 degrees, whose miter would
	// be longer than 4 (1 + nIn·nOut < 1/8); and the miter, where the offset
	// lines of the two segments meet a distance 1 to their left:
	// (nIn + nOut) / (1 + nIn·nOut), worked out with a single division.
	PathPoint IncomingNormal() const;
	PathPoint OutgoingNormal() const;
	bool TooSharpForMiter() const;
	PathPoint Miter() const;
};

// Stepping from segment to segment, inline: a walk takes a step per vertex.
namespace steps
{

// Every length of the path is measured by this one function, so that a walk
// adds up exactly the lengths the path's own measure added.
inline double SegmentLength(const PathPoint& from, const PathPoint& to)
{
	const double dx = to.x - from.x;
	const double dy = to.y - from.y;
	return std::sqrt(dx * dx + dy * dy);
}

// The raw index of the distinct point after the one at `index`: `end` after
// the last.
inline int NextRawPoint(const PathPolyline& path, int index)
{
	int next = index + 1;
	while (next < path.end && SamePoint(path.points[next], path.points[index]))
		++next;
	return next;
}

// The distinct point after the one at `index`, a closed path going round
// from its last point to its first.
inline int NextPoint(const PathPolyline& path, int index)
{
	return path.closed && index == path.lastPoint ? 0 : NextRawPoint(path, index);
}

inline void StartLap(PathCursor& cursor, double lap)
{
	cursor.lap = lap;
	cursor.lapStart = lap * cursor.path->length;
}

// Where the segment after the one to `to`, `length` long and starting
// `withinLap` into the cursor's lap, starts: infinite after an open path's
// last, at the next lap's start after a closed path's last.
inline double NextStart(const PathCursor& cursor, int to, double withinLap, double length)
{
	const PathPolyline& path = *cursor.path;
	if (path.closed && to == 0)
		return (cursor.lap + 1.0) * path.length;
	if (!path.closed && to == path.lastPoint)
		return std::numeric_limits<double>::infinity();
	return cursor.lapStart + (withinLap + length);
}

// Sets the cursor on the segment from `from` to `to`, `length` long, which
// starts `withinLap` into the cursor's lap.
inline void EnterSegment(PathCursor& cursor, int from, int to, double withinLap, double length)
{
	const PathPolyline& path = *cursor.path;
	cursor.from = from;
	cursor.to = to;
	cursor.way = Minus(path.points[to], path.points[from]);
	cursor.length = length;
	cursor.withinLap = withinLap;
	cursor.start = cursor.lapStart + withinLap;
	cursor.next = NextStart(cursor, to, withinLap, length);
	cursor.inner = path.closed || from != 0;
}

inline void EnterSegment(PathCursor& cursor, int from, int to, double withinLap)
{
	EnterSegment(cursor, from, to, withinLap, SegmentLength(cursor.path->points[from], cursor.path->points[to]));
}

} // namespace steps

inline bool PathCursor::HasNext() const
{
	return path->closed || to != path->lastPoint;
}

inline void PathCursor::Advance()
{
	incomingWay = way;
	incomingLength = length;
	if (path->closed && to == 0)
	{
		steps::StartLap(*this, lap + 1.0);
		steps::EnterSegment(*this, 0, steps::NextPoint(*path, 0), 0.0);
	}
	else
	{
		steps::EnterSegment(*this, to, steps::NextPoint(*path, to), withinLap + length);
	}
}

// With the segments' own vectors and lengths: 1 + nIn·nOut is
// (lIn lOut + wayIn·wayOut) / (lIn lOut), nIn + nOut is
// (lOut leftIn + lIn leftOut) / (lIn lOut).
inline bool PathCursor::TooSharpForMiter() const
{
	const double lengths = incomingLength * length;
	return 8.0 * (lengths + Dot(incomingWay, way)) < lengths;
}

inline PathPoint PathCursor::Miter() const
{
	const double scale = 1.0 / (incomingLength * length + Dot(incomingWay, way));
	const PathPoint leftIn = LeftNormal(incomingWay);
	const PathPoint leftOut = LeftNormal(way);
	return PathPoint { (length * leftIn.x + incomingLength * leftOut.x) * scale, (length * leftIn.y + incomingLength * leftOut.y) * scale };
}

// The order of two places on the path, each a segment and how far along it:
// -1 when `a` comes first, 1 when `b` does, 0 when they are the same or do
// not compare (undefined arc lengths).
inline int PlaceOrder(const PathCursor& a, double alongA, const PathCursor& b, double alongB)
{
	if (a.lap != b.lap)
		return a.lap < b.lap ? -1 : (a.lap > b.lap ? 1 : 0);
	if (a.from != b.from)
		return a.from < b.from ? -1 : 1;
	return alongA < alongB ? -1 : (alongA > alongB ? 1 : 0);
}

} // namespace arrow_path

#endif
