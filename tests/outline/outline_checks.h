#ifndef OUTLINE_OUTLINE_CHECKS_H__
#define OUTLINE_OUTLINE_CHECKS_H__

// Comparisons and geometric checks of outlines, as gtest assertions.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "arrow_outline.h"

struct Xy
{
	double x, y;
};

// The outline holds exactly the points `expected`, in order, each with z +0.0.
::testing::AssertionResult HasPoints(const ArrowOutline& outline, const std::vector<Xy>& expected);
// The same within `tolerance` in x and y.
::testing::AssertionResult HasPointsNear(const ArrowOutline& outline, const std::vector<Xy>& expected, double tolerance);
// Equal bit for bit, signs of zeros included.
::testing::AssertionResult SameBits(const ArrowOutline& a, const ArrowOutline& b);
::testing::AssertionResult AllFinite(const ArrowOutline& outline);

// Walking the outline backwards from some point, mirrored in the X axis,
// retraces it: every point has a partner with the same x and the opposite y,
// and the partners keep their order.
::testing::AssertionResult IsMirrorSymmetric(const ArrowOutline& outline);
// The second half is the first turned half about the origin, point by point.
::testing::AssertionResult IsHalfTurnSymmetric(const ArrowOutline& outline);

void PrintTo(const ArrowOutline& outline, std::ostream* out);

#endif
