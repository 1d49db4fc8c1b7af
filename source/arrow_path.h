#ifndef ARROW_PATH_H__
#define ARROW_PATH_H__

// The arrow along a path: its shaft follows the path, its head stays rigid at
// the end of the window the arrow covers. Pure: nothing of the host, only the
// standard library, nothing allocated.
#include "arrow_outline.h"

// A point of the path, already in the arrow's building plane (x along the arrow, y across).
struct PathPoint
{
	double x, y;
};

// The path the arrow follows and the window of it that the arrow covers.
struct ArrowPath
{
	const PathPoint* points; // as the spline gives them, consecutive duplicates not yet dropped
	int count;
	bool closed;
	double start, end, offset; // ARROW_PATH_START, ARROW_PATH_END, ARROW_PATH_OFFSET, as fractions
};

// The most points BendArrowOutline writes for `shape` along `path`.
int BentOutlineCapacity(const ArrowShape& shape, const ArrowPath& path);
// (A bound from the number of points alone: it counts the room the bending gathers each edge's
// points in, up to two per path point for each edge that is not one head's own.)

// Writes the bent outline, not yet rounded, into out[0..capacity) and returns how many points it wrote:
// 0 for an empty outline (an empty window, c = 0); -1 when the path does not apply (fewer than 2 points
// after dropping duplicates, a head length not above 0), so the caller builds the straight outline.
int BendArrowOutline(const ArrowShape& shape, const ArrowPath& path, OutlinePoint* out, int capacity);

// Rounding for an outline of any length (the straight outline keeps RoundArrowOutline):
int RoundedOutlineCapacity(int count, const ArrowShape& shape);
int RoundOutlinePoints(const OutlinePoint* points, int count, const ArrowShape& shape, OutlinePoint* out, int capacity);
// Both write as RoundArrowOutline does (arrow_outline_rounding.h), into `out`, which must not overlap
// `points`. A capacity below what BentOutlineCapacity or RoundedOutlineCapacity gives writes nothing and
// returns -1.

#endif
