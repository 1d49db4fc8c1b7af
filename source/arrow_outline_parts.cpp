// The parts of each variant's point order, as the placement writes them: the
// tail's upper side first (after a notch apex on the axis), then the head,
// then the tail's lower side mirrored.
#include "arrow_outline_parts.h"

namespace arrow_outline
{

ArrowOutlineParts OutlineParts(const ArrowShape& shape)
{
	const double head = shape.headLength;
	const bool notch = shape.tailNotch > 0.0;
	switch (ChooseArrowVariant(shape))
	{
		case ArrowVariant::DOUBLE_SOLID:
		case ArrowVariant::DOUBLE_OPEN:
			return ArrowOutlineParts { 0, 0, true, (head + head + shape.doubleLength) * 0.5 };
		case ArrowVariant::FINS_SOLID:
		case ArrowVariant::FINS_OPEN:
			// The tail corner and the three points of its fin on each side.
			return ArrowOutlineParts { (notch ? 1 : 0) + 4, 4, false, (head + shape.shaftLength) * 0.5 };
		case ArrowVariant::SHAFT_SOLID:
		case ArrowVariant::SHAFT_OPEN:
			return ArrowOutlineParts { (notch ? 1 : 0) + 1, 1, false, (head + shape.shaftLength) * 0.5 };
		case ArrowVariant::SHAFT_BEVEL:
			// Each tail corner cut into two points; with a notch, its apex cut
			// into one point on each side.
			return ArrowOutlineParts { notch ? 3 : 2, notch ? 3 : 2, false, (head + shape.shaftLength) * 0.5 };
		case ArrowVariant::HEAD_OPEN:
		case ArrowVariant::HEAD_SOLID:
		case ArrowVariant::HEAD_BEVEL:
			break;
	}
	return ArrowOutlineParts { 0, 0, false, head * 0.5 };
}

} // namespace arrow_outline
