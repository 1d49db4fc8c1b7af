// A single-headed arrow on a shaft, unbevelled: tail (with its notch and
// fins), the shaft's upper edge, the head's upper barb, the tip, and the same
// mirrored back to the tail.
#include <cmath>

#include "arrow_outline_placement.h"
#include "arrow_outline_points.h"
#include "arrow_outline_slopes.h"

namespace arrow_outline
{
namespace
{

// The upper fin: a parallelogram whose inner edge is the stretch of shaft edge
// from the tail to finLength ahead of it, and whose outer edge is that stretch
// moved back by finSweep and out by finWidth, less what the taper narrows the
// shaft over finSweep. At a point of the tapered shaft edge the half width
// falls short of width / 2 by backSlope for each unit of length still ahead of
// it and by frontSlope for each unit behind it.
void AppendUpperFin(ArrowOutline& outline, const ArrowShape& shape, double tailX)
{
	const double width = shape.shaftWidth;
	const double shaftLength = shape.shaftLength;
	const double length = shape.finLength;
	const double sweep = shape.finSweep;

	double backSlope = Quotient(width * shape.taperBack * 0.5, shaftLength);
	double frontSlope = Quotient(width * shape.taperFront * 0.5, shaftLength);
	// A shaft of no length, or too short for its taper to be expressed, gives
	// the fins nothing to follow: they stand square.
	if (!std::isfinite(backSlope) || !std::isfinite(frontSlope))
		backSlope = frontSlope = 0.0;

	AppendPoint(outline, tailX - sweep, width * 0.5 + shape.finWidth - (sweep + shaftLength) * backSlope);
	AppendPoint(outline, tailX + length - sweep, width * 0.5 + shape.finWidth - ((sweep + shaftLength - length) * backSlope + frontSlope * length));
	AppendPoint(outline, tailX + length, width * 0.5 - (backSlope * (shaftLength - length) + frontSlope * length));
}

} // namespace

ArrowOutline PlaceShaftArrow(const ArrowShape& shape, ArrowVariant variant)
{
	const bool withFins = variant == ArrowVariant::FINS_SOLID || variant == ArrowVariant::FINS_OPEN;
	const bool openHead = variant == ArrowVariant::FINS_OPEN || variant == ArrowVariant::SHAFT_OPEN;

	const double width = shape.shaftWidth;
	const double barb = shape.barbOverhang;
	const double tipX = (shape.headLength + shape.shaftLength) * 0.5;
	const double headBaseX = tipX - shape.headLength;
	const double barbX = headBaseX - shape.barbSweep;
	const double barbY = (barb + barb + width) * 0.5;
	const double frontHalfWidth = width * 0.5 - width * shape.taperFront * 0.5;
	const double backHalfWidth = width * 0.5 - width * shape.taperBack * 0.5;

	ArrowOutline outline {};
	if (shape.tailNotch > 0.0)
		AppendPoint(outline, -tipX + shape.tailNotch, 0.0);

	const int upperSide = outline.count;
	AppendPoint(outline, -tipX, backHalfWidth);
	if (withFins)
		AppendUpperFin(outline, shape, -tipX);
	if (openHead)
	{
		// The barb's rear edge runs parallel to the head's front edge, which
		// falls from the end of the barb's flat to the tip; the shaft ends
		// where the rear edge meets it.
		const double thickness = shape.headThickness;
		const double frontSlope = Quotient(barbY, shape.headLength - thickness + shape.barbSweep);
		const double shaftEndX = AddRun(AddRun(barbX, barb, frontSlope), width * shape.taperFront * 0.5, frontSlope);
		AppendPoint(outline, shaftEndX, frontHalfWidth);
		AppendPoint(outline, barbX, barbY);
		AppendPoint(outline, BarbFlatEnd(barbX, barbY, thickness, shape.squareBarbs, AngleOfSlope(frontSlope)));
	}
	else
	{
		AppendPoint(outline, headBaseX, frontHalfWidth);
		AppendPoint(outline, barbX, barbY);
	}
	const int upperSideEnd = outline.count;

	AppendPoint(outline, tipX, 0.0);
	AppendMirrorImages(outline, upperSide, upperSideEnd);
	return outline;
}

} // namespace arrow_outline
