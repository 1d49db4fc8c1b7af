#ifndef ARROW_OUTLINE_SLOPES_H__
#define ARROW_OUTLINE_SLOPES_H__

#include "arrow_outline.h"

// The slopes of the head's edges and the points that hang on them. A slope
// may come out zero, infinite or undefined (a zero barb, a head as short as
// its barbs are thick); these helpers settle each case without dividing by
// zero, and give the plain formula's result wherever that is finite.
namespace arrow_outline
{

// numerator / divisor, as floating-point division gives it: infinite for a
// zero divisor, undefined (NaN) for 0 / 0.
double Quotient(double numerator, double divisor);

// atan(slope), or 0 where the slope is undefined.
double AngleOfSlope(double slope);

// x + rise / slope: how far along x a line of that slope runs while it climbs
// by `rise`. A zero, infinite or undefined slope runs nowhere: the result is x.
double AddRun(double x, double rise, double slope);

// The end of the flat on top of a barb whose outer corner is (cornerX,
// cornerY): `thickness` ahead of the corner, or with square ends the foot of
// the perpendicular from the corner onto the head's front edge, which rises at
// `frontAngle`.
OutlinePoint BarbFlatEnd(double cornerX, double cornerY, double thickness, bool squareEnds, double frontAngle);

} // namespace arrow_outline

#endif
