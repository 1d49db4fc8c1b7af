// A double arrow: the right head and half the shaft between the heads, then
// the same turned through half a turn about the origin. No tapers, fins,
// notch or bevel.
#include "arrow_outline_placement.h"
#include "arrow_outline_points.h"
#include "arrow_outline_slopes.h"

namespace arrow_outline
{

ArrowOutline PlaceDoubleArrow(const ArrowShape& shape, ArrowVariant variant)
{
	const double head = shape.headLength;
	const double barb = shape.barbOverhang;
	const double tipX = (head + head + shape.doubleLength) * 0.5;
	const double headBaseX = tipX - head;
	const double barbX = headBaseX - shape.barbSweep;
	const double barbY = (barb + barb + shape.doubleWidth) * 0.5;
	const double halfWidth = shape.doubleWidth * 0.5;

	ArrowOutline outline {};
	if (variant == ArrowVariant::DOUBLE_OPEN)
	{
		// As on a single arrow's open head, without the taper.
		const double thickness = shape.headThickness;
		const double frontSlope = Quotient(barbY, head - thickness + shape.barbSweep);
		AppendPoint(outline, AddRun(barbX, barb, frontSlope), halfWidth);
		AppendPoint(outline, barbX, barbY);
		AppendPoint(outline, BarbFlatEnd(barbX, barbY, thickness, shape.squareBarbs, AngleOfSlope(frontSlope)));
	}
	else
	{
		AppendPoint(outline, headBaseX, halfWidth);
		AppendPoint(outline, barbX, barbY);
	}
	const int upperSideEnd = outline.count;
	AppendPoint(outline, tipX, 0.0);
	AppendMirrorImages(outline, 0, upperSideEnd);

	AppendHalfTurnImages(outline);
	return outline;
}

} // namespace arrow_outline
