// The arrow along a path. For now every path builds the straight outline, and
// rounding keeps the outline's own points.
#include "arrow_path.h"

int BentOutlineCapacity(const ArrowShape& shape, const ArrowPath& path)
{
	(void)shape;
	(void)path;
	return 0;
}

int BendArrowOutline(const ArrowShape& shape, const ArrowPath& path, OutlinePoint* out, int capacity)
{
	(void)shape;
	(void)path;
	(void)out;
	(void)capacity;
	return -1;
}

int RoundedOutlineCapacity(int count, const ArrowShape& shape)
{
	(void)shape;
	return count;
}

int RoundOutlinePoints(const OutlinePoint* points, int count, const ArrowShape& shape, OutlinePoint* out, int capacity)
{
	(void)shape;
	if (count > capacity)
		return -1;
	for (int i = 0; i < count; ++i)
		out[i] = points[i];
	return count;
}
