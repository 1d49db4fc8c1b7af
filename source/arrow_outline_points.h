#ifndef ARROW_OUTLINE_POINTS_H__
#define ARROW_OUTLINE_POINTS_H__

#include "arrow_outline.h"

// Writing an outline point by point. Every outline is symmetric in the X axis:
// its upper side is written out, then mirrored.
namespace arrow_outline
{

// Appends (x, y, 0).
void AppendPoint(ArrowOutline& outline, double x, double y);
void AppendPoint(ArrowOutline& outline, const OutlinePoint& point);

// Appends the mirror images in the X axis of the points from `first` up to
// (not including) `end`, last one first: the way back along the lower side.
void AppendMirrorImages(ArrowOutline& outline, int first, int end);

// Appends the half-turn images about the origin of all points so far, in
// their order: the other end of a double arrow.
void AppendHalfTurnImages(ArrowOutline& outline);

// Sets every coordinate of the first `count` points that no spline can hold
// (infinite or undefined) to 0.0.
void ZeroNonFiniteCoordinates(OutlinePoint* points, int count);

} // namespace arrow_outline

#endif
