#include "arrow_outline_points.h"

#include <cmath>

namespace arrow_outline
{

void AppendPoint(ArrowOutline& outline, double x, double y)
{
	outline.points[outline.count++] = OutlinePoint { x, y, 0.0 };
}

void AppendPoint(ArrowOutline& outline, const OutlinePoint& point)
{
	AppendPoint(outline, point.x, point.y);
}

void AppendMirrorImages(ArrowOutline& outline, int first, int end)
{
	for (int i = end - 1; i >= first; --i)
		AppendPoint(outline, outline.points[i].x, -outline.points[i].y);
}

void AppendHalfTurnImages(ArrowOutline& outline)
{
	const int count = outline.count;
	for (int i = 0; i < count; ++i)
		AppendPoint(outline, -outline.points[i].x, -outline.points[i].y);
}

void ZeroNonFiniteCoordinates(OutlinePoint* points, int count)
{
	for (int i = 0; i < count; ++i)
	{
		OutlinePoint& point = points[i];
		if (!std::isfinite(point.x))
			point.x = 0.0;
		if (!std::isfinite(point.y))
			point.y = 0.0;
	}
}

} // namespace arrow_outline
