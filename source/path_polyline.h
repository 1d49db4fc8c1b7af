#ifndef PATH_POLYLINE_H__
#define PATH_POLYLINE_H__

#include "arrow_path.h"
#include "c4d.h"

// The polyline of the path an arrow follows, read from the host into the
// arrow's building plane, in host memory.
class PathPolyline
{
public:
	// Reads the first segment of the line the host draws for the spline of
	// `path` (a spline, or a generator's spline), each point placed by the
	// path's matrix, the inverse of the arrow `op`'s and then the arrow's
	// plane. A null path, or one without a spline, reads as no points. False
	// only when the host had no memory for the line or the points.
	Bool Read(const BaseObject* op, BaseObject* path, BaseDocument* doc, Float lod, BaseThread* bt, Int32 plane);

	// The points read, with the window `data` (the arrow's container) asks for.
	ArrowPath Along(const BaseContainer& data) const;
	Bool IsEmpty() const { return _points.GetCount() == 0; }

private:
	Bool Take(LineObject& line, const Matrix& placement, Int32 plane);

	maxon::BaseArray<PathPoint> _points;
	Bool _closed = false;
};

#endif
