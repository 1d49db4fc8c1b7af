#ifndef ARROW_PATH_VERTICES_H__
#define ARROW_PATH_VERTICES_H__

#include "arrow_path_polyline.h"

// The points the path's corners add to the outline's edges, so that an edge
// running along the path bends with it.
namespace arrow_path
{

// One end of an outline edge: its place on the path (a segment and how far
// along it), its arc length there, and its y in the straight outline.
struct EdgeEnd
{
	const PathCursor* segment;
	double along;
	double s;
	double y;
};

// For every inner vertex Q_i of the path strictly between the ends of an edge
// from p to q: Q_i + y M_i, with y interpolated linearly in arc length between
// the ends' y and M_i the vertex's miter; where the turn is too sharp for a
// miter, two points, Q_i + y n along the normal of each of its segments, the
// one the edge meets first first. An edge that winds round a closed path more
// than once gets the vertices of one turn, from its end further back along
// the path.
//
// Writes these points for the edges from ends[i] to ends[i + 1] (the last to
// ends[0]) for which bends[i] holds, in the edges' directions: the k-th such
// edge's into regions[k * regionSize...], at most two per inner vertex, and
// their number into written[k]. The path is walked once for all of them.
void WriteEdgeVertices(const EdgeEnd* ends, const bool* bends, int count, OutlinePoint* regions, int regionSize, int* written);

} // namespace arrow_path

#endif
