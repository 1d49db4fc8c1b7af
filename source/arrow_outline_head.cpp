// A head without a shaft, centred on the origin: a solid triangle (a dart when
// the barbs sweep back) or an open chevron.
#include "arrow_outline_placement.h"
#include "arrow_outline_points.h"
#include "arrow_outline_slopes.h"

namespace arrow_outline
{

ArrowOutline PlaceSolidHead(const ArrowShape& shape)
{
	const double sweep = shape.barbSweep;
	const double tipX = shape.headLength * 0.5;

	ArrowOutline outline {};
	// Swept barbs reach behind the head's rear centre, which becomes a corner.
	if (sweep > 0.0)
		AppendPoint(outline, -tipX, 0.0);
	const int upperSide = outline.count;
	AppendPoint(outline, -(tipX + sweep), shape.barbOverhang);
	AppendPoint(outline, tipX, 0.0);
	AppendMirrorImages(outline, upperSide, upperSide + 1);
	return outline;
}

ArrowOutline PlaceOpenHead(const ArrowShape& shape)
{
	const double sweep = shape.barbSweep;
	const double barb = shape.barbOverhang;
	const double thickness = shape.headThickness;
	const double tipX = shape.headLength * 0.5;
	const double barbX = -(tipX + sweep);
	const double frontAngle = AngleOfSlope(Quotient(barb, shape.headLength - thickness + sweep));

	ArrowOutline outline {};
	// The inner corner, where the barbs' rear edges meet on the axis.
	AppendPoint(outline, tipX - thickness, 0.0);
	AppendPoint(outline, barbX, barb);
	AppendPoint(outline, BarbFlatEnd(barbX, barb, thickness, shape.squareBarbs, frontAngle));
	AppendPoint(outline, tipX, 0.0);
	AppendMirrorImages(outline, 1, 3);
	return outline;
}

} // namespace arrow_outline
