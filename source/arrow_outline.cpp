#include "arrow_outline.h"

#include "arrow_outline_placement.h"
#include "arrow_outline_points.h"

ArrowVariant ChooseArrowVariant(const ArrowShape& shape)
{
	const bool open = shape.openHead;
	if (shape.doubleHeaded)
		return open ? ArrowVariant::DOUBLE_OPEN : ArrowVariant::DOUBLE_SOLID;
	if (shape.shaft && shape.fins)
		return open ? ArrowVariant::FINS_OPEN : ArrowVariant::FINS_SOLID;

	const bool bevelled = shape.bevel && shape.bevelSize > 0.0;
	if (shape.shaft)
	{
		if (open)
			return ArrowVariant::SHAFT_OPEN;
		return bevelled ? ArrowVariant::SHAFT_BEVEL : ArrowVariant::SHAFT_SOLID;
	}
	if (open)
		return ArrowVariant::HEAD_OPEN;
	return bevelled ? ArrowVariant::HEAD_BEVEL : ArrowVariant::HEAD_SOLID;
}

namespace arrow_outline
{

ArrowOutline PlaceArrowOutline(const ArrowShape& shape)
{
	const ArrowVariant variant = ChooseArrowVariant(shape);
	switch (variant)
	{
		case ArrowVariant::DOUBLE_SOLID:
		case ArrowVariant::DOUBLE_OPEN:
			return PlaceDoubleArrow(shape, variant);
		case ArrowVariant::FINS_SOLID:
		case ArrowVariant::FINS_OPEN:
		case ArrowVariant::SHAFT_SOLID:
		case ArrowVariant::SHAFT_OPEN:
			return PlaceShaftArrow(shape, variant);
		case ArrowVariant::SHAFT_BEVEL:
			return PlaceBevelledShaftArrow(shape);
		case ArrowVariant::HEAD_OPEN:
			return PlaceOpenHead(shape);
		case ArrowVariant::HEAD_SOLID:
			return PlaceSolidHead(shape);
		case ArrowVariant::HEAD_BEVEL:
			return PlaceBevelledHead(shape);
	}
	// Only a value outside the enumeration gets here.
	return PlaceSolidHead(shape);
}

} // namespace arrow_outline

ArrowOutline ComputeArrowOutline(const ArrowShape& shape)
{
	ArrowOutline outline = arrow_outline::PlaceArrowOutline(shape);
	// Lengths whose sums overflow, or subnormal divisors whose quotients do,
	// leave coordinates that no spline can hold.
	arrow_outline::ZeroNonFiniteCoordinates(outline.points, outline.count);
	return outline;
}
