// Solid arrows with every corner cut off straight: each corner gives way to
// two points, bevelSize from it along its two edges.
#include <cmath>

#include "arrow_outline_placement.h"
#include "arrow_outline_points.h"
#include "arrow_outline_slopes.h"

namespace arrow_outline
{
namespace
{

// The direction of the cuts along the head's front edge: atan(overhang / head
// length), from the overhang alone. The edge itself, from the barb corner to
// the tip, rises by the shaft's half width more, so on a shaft of any width
// the cut by the barb corner ends a little outside the edge and the cut by the
// tip a little inside it. A head of no length and no overhang gives no
// direction: the cuts run along x.
double FrontEdgeAngle(const ArrowShape& shape)
{
	return AngleOfSlope(Quotient(shape.barbOverhang, shape.headLength));
}

} // namespace

ArrowOutline PlaceBevelledShaftArrow(const ArrowShape& shape)
{
	// Tapers and barb sweep do not apply: the shaft keeps its full width and
	// the barb corners stand at the head's base.
	const double r = shape.bevelSize;
	const double notch = shape.tailNotch;
	const double halfWidth = shape.shaftWidth * 0.5;
	const double tipX = (shape.headLength + shape.shaftLength) * 0.5;
	const double headBaseX = tipX - shape.headLength;
	const double barbY = (shape.barbOverhang + shape.barbOverhang + shape.shaftWidth) * 0.5;
	const double front = FrontEdgeAngle(shape);
	// How far a cut along the front edge reaches in x and in y.
	const double frontRun = r * std::cos(front);
	const double frontRise = r * std::sin(front);

	ArrowOutline outline {};
	if (notch > 0.0)
	{
		const double notchAngle = AngleOfSlope(Quotient(halfWidth, notch));
		const double notchRun = r * std::cos(notchAngle);
		const double notchRise = r * std::sin(notchAngle);
		AppendPoint(outline, -tipX + notch - notchRun, notchRise);
		AppendPoint(outline, -tipX + notchRun, halfWidth - notchRise);
	}
	else
	{
		AppendPoint(outline, -tipX, halfWidth - r);
	}
	AppendPoint(outline, -tipX + r, halfWidth);
	AppendPoint(outline, headBaseX - r, halfWidth);
	AppendPoint(outline, headBaseX, halfWidth + r);
	AppendPoint(outline, headBaseX, barbY - r);
	AppendPoint(outline, headBaseX + frontRun, barbY - frontRise);
	AppendPoint(outline, tipX - frontRun, frontRise);

	AppendMirrorImages(outline, 0, outline.count);
	return outline;
}

ArrowOutline PlaceBevelledHead(const ArrowShape& shape)
{
	// The cuts take their directions as if the barbs were not swept; only the
	// barb corner's rear point moves back with the sweep.
	const double r = shape.bevelSize;
	const double sweep = shape.barbSweep;
	const double barb = shape.barbOverhang;
	const double tipX = shape.headLength * 0.5;
	const double front = FrontEdgeAngle(shape);
	const double frontRun = r * std::cos(front);
	const double frontRise = r * std::sin(front);

	ArrowOutline outline {};
	if (sweep > 0.0)
		AppendPoint(outline, -tipX, r);
	AppendPoint(outline, -(tipX + sweep), barb - r);
	AppendPoint(outline, -tipX + frontRun, barb - frontRise);
	AppendPoint(outline, tipX - frontRun, frontRise);

	AppendMirrorImages(outline, 0, outline.count);
	return outline;
}

} // namespace arrow_outline
