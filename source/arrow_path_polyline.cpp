#include "arrow_path_polyline.h"

#include <cmath>


namespace arrow_path
{
namespace
{

using steps::EnterSegment;
using steps::NextPoint;
using steps::NextRawPoint;
using steps::NextStart;
using steps::SegmentLength;
using steps::StartLap;

int PreviousPoint(const PathPolyline& path, int index)
{
	if (index == 0)
		return path.lastPoint;
	int previous = index - 1;
	while (previous > 0 && SamePoint(path.points[previous - 1], path.points[previous]))
		--previous;
	return previous;
}

// Sets the segment before the vertex `from` as the cursor's incoming one.
void EnterIncoming(PathCursor& cursor, int previous, int from)
{
	const PathPoint* const points = cursor.path->points;
	cursor.incomingWay = Minus(points[from], points[previous]);
	cursor.incomingLength = SegmentLength(points[previous], points[from]);
}

// On to the segment holding `s`, measuring the segments passed but entering
// only that one. Within a lap ahead, a walk of at most one segment per point
// gets there; an undefined or infinite `s` ends it too.
void WalkTo(PathCursor& cursor, double s)
{
	const PathPolyline& path = *cursor.path;
	int from = cursor.from;
	int to = cursor.to;
	double withinLap = cursor.withinLap;
	double length = cursor.length;
	double next = cursor.next;
	if (!(next <= s))
		return;
	for (int steps = 0; steps <= path.pointCount && next <= s; ++steps)
	{
		if (path.closed && to == 0)
		{
			StartLap(cursor, cursor.lap + 1.0);
			withinLap = 0.0;
		}
		else
		{
			withinLap += length;
		}
		from = to;
		to = NextPoint(path, from);
		length = SegmentLength(path.points[from], path.points[to]);
		next = NextStart(cursor, to, withinLap, length);
	}
	EnterSegment(cursor, from, to, withinLap, length);
	if (cursor.inner)
		EnterIncoming(cursor, PreviousPoint(path, from), from);
}

} // namespace

PathPolyline MeasurePath(const ArrowPath& path)
{
	PathPolyline polyline { path.points, path.points && path.count > 0 ? path.count : 0, path.closed, 0, 0, 0.0, 0.0 };
	while (polyline.closed && polyline.end > 1 && SamePoint(path.points[polyline.end - 1], path.points[0]))
		--polyline.end;
	if (polyline.end == 0)
		return polyline;
	polyline.pointCount = 1;
	for (int i = NextRawPoint(polyline, 0); i < polyline.end; i = NextRawPoint(polyline, i))
	{
		polyline.lastSegmentStart = polyline.length;
		polyline.length += SegmentLength(path.points[polyline.lastPoint], path.points[i]);
		polyline.lastPoint = i;
		++polyline.pointCount;
	}
	if (polyline.closed)
		polyline.length += SegmentLength(path.points[polyline.lastPoint], path.points[0]);
	return polyline;
}

int InnerVertexCount(const PathPolyline& path)
{
	return path.closed ? path.pointCount : path.pointCount - 2;
}

PathCursor PathCursor::At(const PathPolyline& path, double s)
{
	PathCursor cursor {};
	cursor.path = &path;
	if (path.closed)
	{
		// The quotient may round up past s.
		StartLap(cursor, std::floor(s / path.length));
		if (cursor.lapStart > s)
			StartLap(cursor, cursor.lap - 1.0);
	}
	if (!path.closed && s >= path.lastSegmentStart)
	{
		// Most windows end at the path's end: no walk there.
		const int from = PreviousPoint(path, path.lastPoint);
		EnterSegment(cursor, from, path.lastPoint, path.lastSegmentStart);
		if (cursor.inner)
			EnterIncoming(cursor, PreviousPoint(path, from), from);
		return cursor;
	}
	EnterSegment(cursor, 0, NextPoint(path, 0), 0.0);
	if (cursor.inner)
		EnterIncoming(cursor, path.lastPoint, 0);
	WalkTo(cursor, s);
	return cursor;
}

bool PathCursor::Retreat()
{
	if (from == 0 && !path->closed)
		return false;
	const int previous = PreviousPoint(*path, from);
	const double previousLength = SegmentLength(path->points[previous], path->points[from]);
	if (from == 0)
	{
		StartLap(*this, lap - 1.0);
		EnterSegment(*this, previous, 0, path->length - previousLength, previousLength);
	}
	else
	{
		EnterSegment(*this, previous, from, withinLap - previousLength, previousLength);
	}
	if (inner)
		EnterIncoming(*this, PreviousPoint(*path, from), from);
	return true;
}

void PathCursor::Seek(double s)
{
	if (s >= start && s < next)
		return;
	const bool onOpenPathsLastSegment = !path->closed && s >= path->lastSegmentStart;
	if (s >= start && (path->closed ? s - start < path->length : !onOpenPathsLastSegment))
		WalkTo(*this, s);
	else
		*this = At(*path, s);
}

PathPoint PathCursor::Direction() const
{
	const double inverseLength = 1.0 / length;
	return PathPoint { way.x * inverseLength, way.y * inverseLength };
}

PathPoint PathCursor::PointAt(double s) const
{
	return Along(path->points[from], s - start, Direction());
}

PathPoint PathCursor::OffsetAt(double s, double y) const
{
	const PathPoint direction = Direction();
	const PathPoint onPath = Along(path->points[from], s - start, direction);
	const PathPoint normal = s == start && inner && !TooSharpForMiter() ? Miter() : LeftNormal(direction);
	return Along(onPath, y, normal);
}

PathPoint PathCursor::IncomingNormal() const
{
	const double inverseLength = 1.0 / incomingLength;
	return LeftNormal(PathPoint { incomingWay.x * inverseLength, incomingWay.y * inverseLength });
}

PathPoint PathCursor::OutgoingNormal() const
{
	return LeftNormal(Direction());
}

} // namespace arrow_path
