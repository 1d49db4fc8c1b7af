#ifndef OUTLINE_OUTLINE_CHECKS_H__
#define OUTLINE_OUTLINE_CHECKS_H__

// Comparisons and geometric checks of outlines, as gtest assertions.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "arrow_outline.h"
#include "arrow_outline_rounding.h"

struct Xy
{
	double x, y;
};

// The points of an outline, rounded or not.
struct OutlinePoints
{
	OutlinePoints(const ArrowOutline& outline) : points(outline.points), count(outline.count) {}
	OutlinePoints(const RoundedOutline& outline) : points(outline.points), count(outline.count) {}
	OutlinePoints(const OutlinePoint* first, int number) : points(first), count(number) {}

	const OutlinePoint* points;
	int count;
};

// The outline holds exactly the points `expected`, in order, each with z +0.0.
::testing::AssertionResult HasPoints(OutlinePoints outline, const std::vector<Xy>& expected);
// The same within `tolerance` in x and y.
::testing::AssertionResult HasPointsNear(OutlinePoints outline, const std::vector<Xy>& expected, double tolerance);
// Equal bit for bit, signs of zeros included.
::testing::AssertionResult SameBits(OutlinePoints a, OutlinePoints b);
::testing::AssertionResult AllFinite(OutlinePoints outline);

// Walking the outline backwards from some point, mirrored in the X axis,
// retraces it: every point has a partner with the same x and the opposite y
// (within `tolerance` in each), and the partners keep their order.
::testing::AssertionResult IsMirrorSymmetric(OutlinePoints outline, double tolerance = 0.0);
// The second half is the first turned half about the origin, point by point.
::testing::AssertionResult IsHalfTurnSymmetric(OutlinePoints outline, double tolerance = 0.0);

// How close two points of a rounded outline come before the later one is
// dropped: 1e-9 max(1, the largest absolute coordinate).
double CoincidenceTolerance(OutlinePoints outline);

void PrintTo(OutlinePoints outline, std::ostream* out);
void PrintTo(const ArrowOutline& outline, std::ostream* out);

#endif
