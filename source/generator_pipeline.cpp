// The arrow's output: the host asks for the contour whenever it evaluates the
// scene, and every call builds a fresh spline from the current parameters.
#include "Opointsmith.h"
#include "arrow_outline_rounding.h"
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

} // namespace

SplineObject* ArrowGenerator::GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt)
{
	(void)doc;
	(void)lod;
	(void)bt;
	const BaseContainer* data = op ? op->GetDataInstance() : nullptr;
	if (!data)
		return nullptr;

	SplineObject* spline = BuildArrowOutline(ReadArrowShape(*data));
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

	const Bool reverse = data->GetBool(PRIM_REVERSE);
	const Int32 plane = data->GetInt32(PRIM_PLANE);
	OrientOutline(spline, plane, reverse);
	return spline;
}

SplineObject* ArrowGenerator::BuildArrowOutline(const ArrowShape& shape)
{
	// Rounding comes last, after the bevel; the plane and direction follow later.
	const RoundedOutline outline = RoundArrowOutline(ComputeArrowOutline(shape), shape);
	SplineObject* spline = SplineObject::Alloc(outline.count, SPLINETYPE::LINEAR);
	if (!spline)
		return nullptr;

	if (BaseContainer* data = spline->GetDataInstance())
		data->SetBool(SPLINEOBJECT_CLOSED, true);

	if (Vector* points = spline->GetPointW())
	{
		// Never more than the host says the spline holds.
		const Int32 count = spline->GetPointCount() < outline.count ? spline->GetPointCount() : outline.count;
		for (Int32 i = 0; i < count; ++i)
			points[i] = Vector(outline.points[i].x, outline.points[i].y, outline.points[i].z);
	}

	spline->Message(MSG_UPDATE);
	return spline;
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
