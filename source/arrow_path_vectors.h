#ifndef ARROW_PATH_VECTORS_H__
#define ARROW_PATH_VECTORS_H__

#include "arrow_path.h"

// Points and directions in the arrow's building plane, as path points.
namespace arrow_path
{

inline PathPoint Minus(const PathPoint& a, const PathPoint& b)
{
	return PathPoint { a.x - b.x, a.y - b.y };
}

// a + k·v
inline PathPoint Along(const PathPoint& a, double k, const PathPoint& v)
{
	return PathPoint { a.x + k * v.x, a.y + k * v.y };
}

inline double Dot(const PathPoint& a, const PathPoint& b)
{
	return a.x * b.x + a.y * b.y;
}

inline double Cross(const PathPoint& a, const PathPoint& b)
{
	return a.x * b.y - a.y * b.x;
}

// The direction turned a quarter turn to the left: (−y, x).
inline PathPoint LeftNormal(const PathPoint& v)
{
	return PathPoint { -v.y, v.x };
}

inline bool SamePoint(const PathPoint& a, const PathPoint& b)
{
	return a.x == b.x && a.y == b.y;
}

} // namespace arrow_path

#endif
