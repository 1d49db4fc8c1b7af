#ifndef ARROW_PATH_HEADS_H__
#define ARROW_PATH_HEADS_H__

#include "arrow_path_polyline.h"

// The rigid heads of an arrow along a path: where each meets the path, and
// how the straight outline's points are carried there unbent.
namespace arrow_path
{

// Where a head's base lies on the path.
struct HeadBase
{
	PathCursor segment;
	double along; // how far along the segment
	double s;     // the arc length
	PathPoint point;
};

// The front head's base s_B: walking back from b, the first place at
// distance `headLength` from Q(b), solved exactly on its segment; false when
// there is none at or after a. `atA` and `atB` hold a and b.
bool FindFrontBase(const PathCursor& atA, double a, const PathCursor& atB, double b, double headLength, HeadBase& base);
// The back head's base s_A: walking on from a, the first place at distance
// `headLength` from Q(a); false when there is none at or before b.
bool FindBackBase(const PathCursor& atA, double a, const PathCursor& atB, double b, double headLength, HeadBase& base);

// A point (x, y) of the straight outline goes to
// origin + scale * ((x - anchorX) * direction + y * direction turned left).
struct RigidPlacement
{
	PathPoint origin;
	PathPoint direction;
	double anchorX;
	double scale;
};

inline OutlinePoint Place(const RigidPlacement& placement, const OutlinePoint& point)
{
	const double along = (point.x - placement.anchorX) * placement.scale;
	const double across = point.y * placement.scale;
	const PathPoint& d = placement.direction;
	return OutlinePoint { placement.origin.x + along * d.x - across * d.y, placement.origin.y + along * d.y + across * d.x, 0.0 };
}

} // namespace arrow_path

#endif
