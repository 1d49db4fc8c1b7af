// The arrow along a path. For now every path builds the straight outline.
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
