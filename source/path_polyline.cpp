#include "path_polyline.h"

#include "Opointsmith.h"
#include "linked_path.h"

Bool PathPolyline::Read(const BaseObject* op, BaseObject* path, BaseDocument* doc, Float lod, BaseThread* bt, Int32 plane)
{
	// GetRealSpline gives a generator's cached spline: reading it never
	// builds anything, so an arrow that follows another one cannot recurse.
	SplineObject* spline = path ? path->GetRealSpline() : nullptr;
	if (!spline)
		return true;
	LineObject* line = spline->GetLineObject(doc, lod, bt);
	if (!line)
		return false;
	const Bool taken = Take(*line, PathPlacement(op, path), plane);
	LineObject::Free(line);
	_closed = spline->IsClosed();
	return taken;
}

Bool PathPolyline::Take(LineObject& line, const Matrix& placement, Int32 plane)
{
	const Vector* points = line.GetPointR();
	Int32 count = points ? line.GetPointCount() : 0;
	// The first segment only; without segments, every point is in it. A
	// segment that claims more points than the line holds gets what it holds.
	const Segment* segments = line.GetSegmentR();
	if (segments && line.GetSegmentCount() > 0 && segments[0].cnt < count)
		count = segments[0].cnt < 0 ? 0 : segments[0].cnt;
	if (_points.Resize(count) == maxon::FAILED)
		return false;

	// Into the building plane: the inverse of turning the outline into the
	// arrow's plane, x along the arrow and y across it.
	for (Int32 i = 0; i < count; ++i)
	{
		const Vector p = placement * points[i];
		if (plane == PRIM_PLANE_ZY)
			_points[i] = PathPoint { p.z, p.y };
		else if (plane == PRIM_PLANE_XZ)
			_points[i] = PathPoint { p.x, p.z };
		else
			_points[i] = PathPoint { p.x, p.y };
	}
	return true;
}

ArrowPath PathPolyline::Along(const BaseContainer& data) const
{
	return ArrowPath { _points.GetFirst(), static_cast<int>(_points.GetCount()), _closed, data.GetFloat(ARROW_PATH_START), data.GetFloat(ARROW_PATH_END),
		data.GetFloat(ARROW_PATH_OFFSET) };
}
