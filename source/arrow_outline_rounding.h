#ifndef ARROW_OUTLINE_ROUNDING_H__
#define ARROW_OUTLINE_ROUNDING_H__

#include "arrow_outline.h"

// Rounded corners for the finished outline of any kind of arrow: each corner
// gives way to a circular arc tangent to its two edges. Nothing of the host,
// nothing but the standard library, nothing allocated.

// More steps than this along one corner's arc are taken as this many.
constexpr int MAX_ROUNDING_STEPS = 32;

// The most points a rounded outline has: every point of the largest outline
// rounded with the most steps.
constexpr int MAX_ROUNDED_OUTLINE_POINTS = MAX_OUTLINE_POINTS * (MAX_ROUNDING_STEPS + 1);

// A closed outline after rounding: the first `count` points, the last joined
// back to the first.
struct RoundedOutline
{
	int count;
	OutlinePoint points[MAX_ROUNDED_OUTLINE_POINTS];
};

// `outline` with its corners rounded as `shape` asks (roundCorners,
// roundRadius, roundSteps), in the outline's own point order. Unrounded, or
// with a radius not above 0 or fewer than 1 step, the points are the
// outline's own. Otherwise every point P, between its neighbours A and B of
// the unrounded outline, becomes the steps + 1 points of an arc from the
// edge towards A to the edge towards B, at equal angles around the arc's
// centre; its radius shrinks where the edges are too short for two arcs to
// fit. A point on a straight line with its neighbours, with both of them in
// the same direction, or on one of them stays as it is. Coordinates that
// overflow come out as 0.0. Then a point within 1e-9 max(1, the largest
// absolute coordinate) of the point kept before it is dropped, and so is the
// last kept point where it meets the first: arcs that each take half of an
// edge meet in one point. RoundOutlinePoints does the same for an outline of
// any length.
RoundedOutline RoundArrowOutline(const ArrowOutline& outline, const ArrowShape& shape);

#endif
