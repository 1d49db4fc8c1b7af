#include "arrow_path_vertices.h"

#include <algorithm>
#include <cmath>


namespace arrow_path
{
namespace
{

// An edge's stretch of the path, from its end further back to the other.
struct Stretch
{
	const EdgeEnd* back;
	const EdgeEnd* front;
	double startY; // y at the edge's own start, at arc length startS
	double startS;
	double slope; // of y along the arc length
	bool reversed;
	OutlinePoint* region;
	OutlinePoint* next; // where its next point goes
	int vertices;       // how many vertices it has met
	bool active;
};

bool BackFirst(const Stretch& a, const Stretch& b)
{
	return PlaceOrder(*a.back->segment, a.back->along, *b.back->segment, b.back->along) < 0;
}

void Write(Stretch& stretch, const PathPoint& vertex, const PathPoint& normal, double y)
{
	*stretch.next++ = OutlinePoint { vertex.x + y * normal.x, vertex.y + y * normal.y, 0.0 };
}

} // namespace

void WriteEdgeVertices(const EdgeEnd* ends, const bool* bends, int count, OutlinePoint* regions, int regionSize, int* written)
{
	Stretch stretches[MAX_OUTLINE_POINTS];
	int stretchCount = 0;
	int edge = 0;
	for (int i = 0; i < count; ++i)
	{
		if (!bends[i])
			continue;
		const EdgeEnd& p = ends[i];
		const EdgeEnd& q = ends[i + 1 == count ? 0 : i + 1];
		OutlinePoint* const region = regions + edge * regionSize;
		const int order = PlaceOrder(*p.segment, p.along, *q.segment, q.along);
		// Ends at the same arc length whose places still differ (one of them
		// measured backwards) have no vertex between them to interpolate for.
		const double run = q.s - p.s;
		double slope = run != 0.0 ? (q.y - p.y) / run : 0.0;
		if (!std::isfinite(slope))
			slope = 0.0;
		if (order != 0)
			stretches[stretchCount++] = Stretch { order < 0 ? &p : &q, order < 0 ? &q : &p, p.y, p.s, slope, order > 0, region, region, 0, false };
		written[edge++] = 0;
	}
	// In the order their backs come along the path; an insertion sort, as
	// undefined places compare neither way.
	for (int i = 1; i < stretchCount; ++i)
		for (int j = i; j > 0 && BackFirst(stretches[j], stretches[j - 1]); --j)
			std::swap(stretches[j], stretches[j - 1]);

	// One walk forward over every stretch, jumping the gaps between them:
	// a stretch starts at the first vertex after its back.
	int started = 0;
	int active = 0;
	PathCursor vertex {};
	while (started < stretchCount || active > 0)
	{
		if (active == 0)
		{
			vertex = *stretches[started].back->segment;
			stretches[started++].active = true;
			++active;
		}
		if (!vertex.HasNext())
			break;
		vertex.Advance();
		for (; started < stretchCount && PlaceOrder(*stretches[started].back->segment, stretches[started].back->along, vertex, 0.0) < 0; ++started)
		{
			stretches[started].active = true;
			++active;
		}

		const PathPoint& at = vertex.path->points[vertex.from];
		const bool sharp = vertex.TooSharpForMiter();
		const PathPoint miter = sharp ? PathPoint {} : vertex.Miter();
		for (int k = 0; k < started; ++k)
		{
			Stretch& stretch = stretches[k];
			if (!stretch.active)
				continue;
			if (stretch.vertices == vertex.path->pointCount || PlaceOrder(vertex, 0.0, *stretch.front->segment, stretch.front->along) >= 0)
			{
				stretch.active = false;
				--active;
				continue;
			}
			++stretch.vertices;
			const double y = stretch.startY + stretch.slope * (vertex.start - stretch.startS);
			if (sharp)
			{
				Write(stretch, at, vertex.IncomingNormal(), y);
				Write(stretch, at, vertex.OutgoingNormal(), y);
			}
			else
			{
				Write(stretch, at, miter, y);
			}
		}
	}

	for (int k = 0; k < stretchCount; ++k)
	{
		const Stretch& stretch = stretches[k];
		if (stretch.reversed)
			std::reverse(stretch.region, stretch.next);
		written[(stretch.region - regions) / regionSize] = static_cast<int>(stretch.next - stretch.region);
	}
}

} // namespace arrow_path
