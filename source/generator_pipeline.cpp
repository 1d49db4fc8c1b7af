// The arrow's output: the host asks for the contour when it evaluates the
// scene and the arrow changed, and every call builds a fresh spline from the
// current parameters and the path the arrow follows.
#include "Opointsmith.h"
#include "arrow_outline_rounding.h"
#include "linked_path.h"
#include "path_polyline.h"
#include "pointsmith.h"

namespace
{

// The shape parameters, read from the live container in a fixed order, each
// with the container's fallback when absent.
ArrowShape ReadArrowShape(const BaseContainer& data)
{
	ArrowShape shape {};
	shape.barbOverhang = data.GetFloat(ARROW_HEAD_BARB);
	shape.headLength = data.GetFloat(ARROW_HEAD_LENGTH);
	shape.shaftWidth = data.GetFloat(ARROW_SHAFT_WIDTH);
	shape.shaftLength = data.GetFloat(ARROW_SHAFT_LENGTH);
	shape.tailNotch = data.GetFloat(ARROW_TAIL_NOTCH);
	shape.taperFront = data.GetFloat(ARROW_TAPER_FRONT);
	shape.taperBack = data.GetFloat(ARROW_TAPER_BACK);
	shape.barbSweep = data.GetFloat(ARROW_BARB_SWEEP);
	shape.shaft = data.GetBool(ARROW_SHAFT);
	shape.fins = data.GetBool(ARROW_FINS);
	shape.finWidth = data.GetFloat(ARROW_FIN_WIDTH);
	shape.finSweep = data.GetFloat(ARROW_FIN_SWEEP);
	shape.finLength = data.GetFloat(ARROW_FIN_LENGTH);
	shape.openHead = data.GetBool(ARROW_OPEN_HEAD);
	shape.squareBarbs = data.GetBool(ARROW_SQUARE_BARBS);
	shape.headThickness = data.GetFloat(ARROW_HEAD_THICKNESS);
	shape.doubleHeaded = data.GetBool(ARROW_DOUBLE);
	shape.doubleLength = data.GetFloat(ARROW_DOUBLE_LENGTH);
	shape.doubleWidth = data.GetFloat(ARROW_DOUBLE_WIDTH);
	shape.bevelSize = data.GetFloat(ARROW_BEVEL_SIZE);
	shape.bevelOption = data.GetBool(ARROW_BEVEL_OPTION);
	shape.bevel = data.GetBool(ARROW_BEVEL);
	shape.roundCorners = data.GetBool(ARROW_ROUND);
	shape.roundRadius = data.GetFloat(ARROW_ROUND_RADIUS);
	shape.roundSteps = data.GetInt32(ARROW_ROUND_STEPS);
	return shape;
}

// A new closed linear spline through the points; null when the host has no
// spline to give.
SplineObject* NewClosedSpline(const OutlinePoint* points, Int32 count)
{
	SplineObject* spline = SplineObject::Alloc(count, SPLINETYPE::LINEAR);
	if (!spline)
		return nullptr;

	if (BaseContainer* data = spline->GetDataInstance())
		data->SetBool(SPLINEOBJECT_CLOSED, true);

	if (Vector* written = spline->GetPointW())
	{
		// Never more than the host says the spline holds.
		const Int32 held = spline->GetPointCount() < count ? spline->GetPointCount() : count;
		for (Int32 i = 0; i < held; ++i)
			written[i] = Vector(points[i].x, points[i].y, points[i].z);
	}

	spline->Message(MSG_UPDATE);
	return spline;
}

} // namespace

SplineObject* ArrowGenerator::GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt)
{
	const BaseContainer* data = op ? op->GetDataInstance() : nullptr;
	if (!data)
		return nullptr;

	const ArrowShape shape = ReadArrowShape(*data);
	const Int32 plane = data->GetInt32(PRIM_PLANE);
	PathPolyline path;
	if (!path.Read(op, LinkedPath(op, *data, doc), doc, lod, bt, plane))
		return nullptr;
	SplineObject* spline = path.IsEmpty() ? BuildArrowOutline(shape) : BuildArrowOutline(shape, path.Along(*data));
	if (!spline)
		return nullptr;

	// The spline carries the arrow's intermediate-point settings, so the host
	// subdivides it as the user asked.
	if (BaseContainer* settings = spline->GetDataInstance())
	{
		settings->SetInt32(SPLINEOBJECT_INTERPOLATION, data->GetInt32(SPLINEOBJECT_INTERPOLATION));
		settings->SetInt32(SPLINEOBJECT_SUB, data->GetInt32(SPLINEOBJECT_SUB));
		settings->SetFloat(SPLINEOBJECT_ANGLE, data->GetFloat(SPLINEOBJECT_ANGLE));
		settings->SetFloat(SPLINEOBJECT_MAXIMUMLENGTH, data->GetFloat(SPLINEOBJECT_MAXIMUMLENGTH));
	}

	OrientOutline(spline, plane, data->GetBool(PRIM_REVERSE));
	return spline;
}

void ArrowGenerator::CheckDirty(BaseObject* op, BaseDocument* doc)
{
	const BaseContainer* data = op ? op->GetDataInstance() : nullptr;
	if (data && pathWatch.Changed(op, LinkedPath(op, *data, doc)))
		op->SetDirty(DIRTYFLAGS::DATA);
}

SplineObject* ArrowGenerator::BuildArrowOutline(const ArrowShape& shape)
{
	// Rounding comes last, after the bevel; the plane and direction follow later.
	const RoundedOutline outline = RoundArrowOutline(ComputeArrowOutline(shape), shape);
	return NewClosedSpline(outline.points, outline.count);
}

SplineObject* ArrowGenerator::BuildArrowOutline(const ArrowShape& shape, const ArrowPath& path)
{
	// A path can be any length, so the points live in host memory.
	maxon::BaseArray<OutlinePoint> bent;
	if (bent.Resize(BentOutlineCapacity(shape, path)) == maxon::FAILED)
		return nullptr;
	const int count = BendArrowOutline(shape, path, bent.GetFirst(), static_cast<int>(bent.GetCount()));
	// Fewer than two distinct points, or no head to place: the arrow stays straight.
	if (count < 0)
		return BuildArrowOutline(shape);

	maxon::BaseArray<OutlinePoint> rounded;
	if (rounded.Resize(RoundedOutlineCapacity(count, shape)) == maxon::FAILED)
		return nullptr;
	const int roundedCount = RoundOutlinePoints(bent.GetFirst(), count, shape, rounded.GetFirst(), static_cast<int>(rounded.GetCount()));
	return roundedCount < 0 ? nullptr : NewClosedSpline(rounded.GetFirst(), roundedCount);
}

void ArrowGenerator::OrientOutline(SplineObject* spline, Int32 plane, Bool reverse)
{
	Vector* points = spline->GetPointW();
	if (!points)
		return;
	const Int32 count = spline->GetPointCount();

	// The outline is built pointing along +X in XY. Plane 1 (ZY) points it
	// along +Z; plane 2 (XZ) turns its upper side towards +Z. A negated zero
	// becomes -0.0, as a sign flip should.
	for (Int32 i = 0; i < count; ++i)
	{
		const Vector p = points[i];
		if (plane == PRIM_PLANE_ZY)
			points[i] = Vector(-p.z, p.y, p.x);
		else if (plane == PRIM_PLANE_XZ)
			points[i] = Vector(p.x, -p.z, p.y);
	}

	if (reverse)
	{
		for (Int32 i = 0; i < count / 2 + count % 2; ++i)
		{
			const Vector swapped = points[i];
			points[i] = points[count - 1 - i];
			points[count - 1 - i] = swapped;
		}
	}

	spline->Message(MSG_UPDATE);
}
