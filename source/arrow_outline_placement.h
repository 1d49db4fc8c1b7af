#ifndef ARROW_OUTLINE_PLACEMENT_H__
#define ARROW_OUTLINE_PLACEMENT_H__

#include "arrow_outline.h"

// The points of each variant, placed as their formulas give them. Slopes that
// come out zero or undefined are settled here; a sum or quotient that
// overflows is left as it is, for ComputeArrowOutline to zero.
namespace arrow_outline
{

// The outline before non-finite coordinates are zeroed.
ArrowOutline PlaceArrowOutline(const ArrowShape& shape);

// A shaft with a solid or open head, with or without fins, unbevelled.
ArrowOutline PlaceShaftArrow(const ArrowShape& shape, ArrowVariant variant);
// A shaft with a solid head, every corner bevelled; no tapers, no barb sweep.
ArrowOutline PlaceBevelledShaftArrow(const ArrowShape& shape);
ArrowOutline PlaceSolidHead(const ArrowShape& shape);
ArrowOutline PlaceOpenHead(const ArrowShape& shape);
ArrowOutline PlaceBevelledHead(const ArrowShape& shape);
// Two heads back to back, solid or open.
ArrowOutline PlaceDoubleArrow(const ArrowShape& shape, ArrowVariant variant);

} // namespace arrow_outline

#endif
