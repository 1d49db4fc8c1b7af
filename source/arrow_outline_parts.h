#ifndef ARROW_OUTLINE_PARTS_H__
#define ARROW_OUTLINE_PARTS_H__

#include "arrow_outline.h"

// Which points of the straight outline the tail makes and which the heads,
// and where its tip stands: what an arrow along a path keeps rigid and what
// it bends.
namespace arrow_outline
{

// The tail points, all at the ends of the point order: the notch apex, the
// shaft's two tail corners (their bevel points when bevelled) and every fin
// point. Every other point is a head point: the tip, the barbs, an open
// head's inner points, the junctions where the shaft meets the head and
// their bevel points. A double arrow has no tail points and two heads, the
// front one the first half of its points, the back one the second half; an
// arrow without shaft is all head.
struct ArrowOutlineParts
{
	int leadingTailPoints;  // tail points before the head in the point order
	int trailingTailPoints; // and after it
	bool twoHeads;
	// Where the straight outline's head sides meet, also where a bevel cuts
	// the tip or an open head's inner point reaches further; the shaft's tail
	// corners stand at -tipX, and so does the back head's tip.
	double tipX;
};

ArrowOutlineParts OutlineParts(const ArrowShape& shape);

} // namespace arrow_outline

#endif
