// The arrow along a path, built from the straight outline: the shaft follows
// the path, each head is carried rigidly to its end of the window.
#include "arrow_path.h"

#include <climits>
#include <cmath>

#include "arrow_outline_parts.h"
#include "arrow_outline_points.h"
#include "arrow_path_heads.h"
#include "arrow_path_vectors.h"
#include "arrow_path_vertices.h"

using arrow_outline::ArrowOutlineParts;
using arrow_outline::OutlineParts;

namespace arrow_path
{
namespace
{

// The arc lengths the arrow covers, a to b.
struct PathWindow
{
	double a, b;
};

double ClampFraction(double fraction)
{
	return fraction < 0.0 ? 0.0 : (fraction > 1.0 ? 1.0 : fraction);
}

// An open path clamps the window to its ends; a closed one starts it anywhere
// round the path, taken periodically, and keeps its length.
PathWindow WindowOf(const PathPolyline& polyline, const ArrowPath& path)
{
	const double length = polyline.length;
	if (!polyline.closed)
		return PathWindow { length * ClampFraction(path.start + path.offset), length * ClampFraction(path.end + path.offset) };
	const double first = path.start + path.offset;
	const double a = length * (first - std::floor(first));
	return PathWindow { a, a + length * ClampFraction(path.end - path.start) };
}

// Room for the bent outline: the most points a straight outline has, then
// two for every point of the path on every edge that is not one head's own
// (a closed path's vertex counts once per edge), where each such edge's
// points are gathered before they move into place. Neither the window nor
// the points themselves are needed for that bound.
long long Capacity(const ArrowOutlineParts& parts, int pathPoints)
{
	const int tailPoints = parts.leadingTailPoints + parts.trailingTailPoints;
	const long long bendingEdges = parts.twoHeads ? 2 : (tailPoints > 0 ? tailPoints + 1 : 0);
	return MAX_OUTLINE_POINTS + 2 * bendingEdges * (pathPoints > 0 ? pathPoints : 0);
}

// The whole straight outline with a shaft `shaft` long, placed rigidly:
// scaled by `scale` about its tip, the tip on `tip`, pointing along the unit
// `direction`.
int PlaceWholeArrow(const ArrowShape& shape, double shaft, const PathPoint& tip, const PathPoint& direction, double scale, OutlinePoint* out)
{
	ArrowShape placed = shape;
	placed.shaftLength = shaft;
	placed.doubleLength = shaft;
	const ArrowOutline outline = ComputeArrowOutline(placed);
	const RigidPlacement placement { tip, direction, OutlineParts(placed).tipX, scale };
	for (int i = 0; i < outline.count; ++i)
		out[i] = Place(placement, outline.points[i]);
	return outline.count;
}

// Too short for the heads, `heads` long: the whole arrow with no shaft,
// scaled down to fit between Q(a) and Q(b), its tip on Q(b); nothing where
// the two meet.
int PlaceShortArrow(const ArrowShape& shape, double heads, const PathPoint& tail, const PathPoint& tip, OutlinePoint* out)
{
	const PathPoint chord = Minus(tip, tail);
	const double length = std::sqrt(Dot(chord, chord));
	if (!(length > 0.0))
		return 0;
	return PlaceWholeArrow(shape, 0.0, tip, PathPoint { chord.x / length, chord.y / length }, std::fmin(1.0, length / heads), out);
}

// What each point of the straight outline belongs to.
enum class PointRole
{
	TAIL,
	FRONT_HEAD,
	BACK_HEAD
};

PointRole RoleOf(const ArrowOutlineParts& parts, int index, int count)
{
	if (parts.twoHeads)
		return index < count / 2 ? PointRole::FRONT_HEAD : PointRole::BACK_HEAD;
	if (index < parts.leadingTailPoints || index >= count - parts.trailingTailPoints)
		return PointRole::TAIL;
	return PointRole::FRONT_HEAD;
}

// The outline bent along the path, its heads at `front` (and `back`).
int PlaceBentArrow(const ArrowShape& shape, const PathCursor& atA, double a, const PathPoint& tip, const HeadBase& front, const HeadBase* back,
	OutlinePoint* out)
{
	ArrowShape bentShape = shape;
	if (back)
		bentShape.doubleLength = front.s - back->s;
	else
		bentShape.shaftLength = front.s - a;
	const ArrowOutline outline = ComputeArrowOutline(bentShape);
	const ArrowOutlineParts parts = OutlineParts(bentShape);
	const int count = outline.count;
	const double headLength = shape.headLength;

	const RigidPlacement frontPlacement { tip, PathPoint { (tip.x - front.point.x) / headLength, (tip.y - front.point.y) / headLength }, parts.tipX, 1.0 };
	RigidPlacement backPlacement {};
	if (back)
	{
		const PathPoint tail = atA.PointAt(a);
		backPlacement = RigidPlacement { tail, PathPoint { (back->point.x - tail.x) / headLength, (back->point.y - tail.y) / headLength }, -parts.tipX, 1.0 };
	}

	// Each tail point stands at a + u along the path, u its distance from the
	// tail; all are sought from the one furthest back.
	PointRole roles[MAX_OUTLINE_POINTS];
	double furthestBack = a;
	for (int i = 0; i < count; ++i)
	{
		roles[i] = RoleOf(parts, i, count);
		if (roles[i] == PointRole::TAIL)
			furthestBack = std::fmin(furthestBack, a + (outline.points[i].x + parts.tipX));
	}
	PathCursor home = atA;
	home.Seek(furthestBack);
	PathCursor tailSegments[MAX_OUTLINE_POINTS];
	EdgeEnd ends[MAX_OUTLINE_POINTS];
	for (int i = 0; i < count; ++i)
	{
		const double y = outline.points[i].y;
		switch (roles[i])
		{
			case PointRole::TAIL:
			{
				const double s = a + (outline.points[i].x + parts.tipX);
				tailSegments[i] = home;
				tailSegments[i].Seek(s);
				ends[i] = EdgeEnd { &tailSegments[i], s - tailSegments[i].start, s, y };
				break;
			}
			case PointRole::FRONT_HEAD:
				ends[i] = EdgeEnd { &front.segment, front.along, front.s, y };
				break;
			case PointRole::BACK_HEAD:
				ends[i] = EdgeEnd { &back->segment, back->along, back->s, y };
				break;
		}
	}

	// Each edge's vertices are gathered after the straight outline's room,
	// then moved down behind the points they follow; a path of two points has
	// none.
	const int regionSize = 2 * InnerVertexCount(*atA.path);
	bool bends[MAX_OUTLINE_POINTS];
	for (int i = 0; i < count; ++i)
		bends[i] = regionSize > 0 && (roles[i] == PointRole::TAIL || roles[i + 1 == count ? 0 : i + 1] != roles[i]);
	OutlinePoint* const regions = out + MAX_OUTLINE_POINTS;
	int edgeCounts[MAX_OUTLINE_POINTS];
	if (regionSize > 0)
		WriteEdgeVertices(ends, bends, count, regions, regionSize, edgeCounts);

	int written = 0;
	int edge = 0;
	for (int i = 0; i < count; ++i)
	{
		const OutlinePoint& point = outline.points[i];
		const PointRole role = roles[i];
		if (role == PointRole::TAIL)
		{
			const PathPoint offset = ends[i].segment->OffsetAt(ends[i].s, point.y);
			out[written++] = OutlinePoint { offset.x, offset.y, 0.0 };
		}
		else
		{
			out[written++] = Place(role == PointRole::FRONT_HEAD ? frontPlacement : backPlacement, point);
		}
		if (bends[i])
		{
			// Never further on than where they were gathered.
			const OutlinePoint* const gathered = regions + edge * regionSize;
			for (int k = 0; k < edgeCounts[edge]; ++k)
				out[written++] = gathered[k];
			++edge;
		}
	}
	return written;
}

} // namespace
} // namespace arrow_path

int BentOutlineCapacity(const ArrowShape& shape, const ArrowPath& path)
{
	if (!(shape.headLength > 0.0))
		return 0;
	// BendArrowOutline refuses a path that needs more.
	const long long capacity = arrow_path::Capacity(OutlineParts(shape), path.count);
	return capacity < INT_MAX ? static_cast<int>(capacity) : INT_MAX;
}

int BendArrowOutline(const ArrowShape& shape, const ArrowPath& path, OutlinePoint* out, int capacity)
{
	using namespace arrow_path;
	if (!(shape.headLength > 0.0))
		return -1;
	const ArrowOutlineParts parts = OutlineParts(shape);
	if (capacity < Capacity(parts, path.count))
		return -1;
	const PathPolyline polyline = MeasurePath(path);
	if (polyline.pointCount < 2)
		return -1;

	const PathWindow window = WindowOf(polyline, path);
	const double a = window.a;
	const double b = window.b;
	if (!(b > a))
		return 0;
	const PathCursor atA = PathCursor::At(polyline, a);
	PathCursor atB = atA;
	atB.Seek(b);
	const PathPoint tip = atB.PointAt(b);

	const double headLength = shape.headLength;
	const bool twoHeads = parts.twoHeads;
	const double heads = twoHeads ? 2.0 * headLength : headLength;
	int written = 0;
	if (!polyline.closed && polyline.pointCount == 2)
	{
		// A line bends nothing: the arrow lies along it whole, its shaft what
		// the window leaves after the heads.
		written = b - a >= heads ? PlaceWholeArrow(shape, b - a - heads, tip, atA.Direction(), 1.0, out)
								 : PlaceShortArrow(shape, heads, atA.PointAt(a), tip, out);
	}
	else
	{
		HeadBase front {};
		HeadBase back {};
		const bool fits = FindFrontBase(atA, a, atB, b, headLength, front)
			&& (!twoHeads || (FindBackBase(atA, a, atB, b, headLength, back) && PlaceOrder(back.segment, back.along, front.segment, front.along) < 0));
		written = fits ? PlaceBentArrow(shape, atA, a, tip, front, twoHeads ? &back : nullptr, out)
					   : PlaceShortArrow(shape, heads, atA.PointAt(a), tip, out);
	}

	// Lengths or places whose arithmetic overflowed leave coordinates that no
	// spline can hold.
	arrow_outline::ZeroNonFiniteCoordinates(out, written);
	return written;
}
