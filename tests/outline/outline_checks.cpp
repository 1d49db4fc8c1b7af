#include "outline_checks.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>

namespace
{

std::uint64_t Bits(double value)
{
	std::uint64_t bits;
	std::memcpy(&bits, &value, sizeof bits);
	return bits;
}

bool IsFlat(const OutlinePoint& point)
{
	return point.z == 0.0 && !std::signbit(point.z);
}

bool Near(double a, double b, double tolerance)
{
	return a == b || std::fabs(a - b) <= tolerance;
}

bool IsMirrorImage(const OutlinePoint& a, const OutlinePoint& b, double tolerance)
{
	return Near(a.x, b.x, tolerance) && Near(a.y, -b.y, tolerance);
}

} // namespace

::testing::AssertionResult HasPoints(OutlinePoints outline, const std::vector<Xy>& expected)
{
	return HasPointsNear(outline, expected, 0.0);
}

::testing::AssertionResult HasPointsNear(OutlinePoints outline, const std::vector<Xy>& expected, double tolerance)
{
	if (outline.count != static_cast<int>(expected.size()))
		return ::testing::AssertionFailure() << outline.count << " points where " << expected.size() << " were expected: " << ::testing::PrintToString(outline);
	for (int i = 0; i < outline.count; ++i)
	{
		const OutlinePoint& point = outline.points[i];
		const Xy& want = expected[static_cast<std::size_t>(i)];
		const bool near = std::fabs(point.x - want.x) <= tolerance && std::fabs(point.y - want.y) <= tolerance;
		if (!near || !IsFlat(point))
			return ::testing::AssertionFailure() << std::setprecision(17) << "point " << i << " is (" << point.x << ", " << point.y << ", " << point.z
				<< ") where (" << want.x << ", " << want.y << ", 0) was expected";
	}
	return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameBits(OutlinePoints a, OutlinePoints b)
{
	if (a.count != b.count)
		return ::testing::AssertionFailure() << a.count << " points against " << b.count;
	for (int i = 0; i < a.count; ++i)
	{
		const OutlinePoint& p = a.points[i];
		const OutlinePoint& q = b.points[i];
		if (Bits(p.x) != Bits(q.x) || Bits(p.y) != Bits(q.y) || Bits(p.z) != Bits(q.z))
			return ::testing::AssertionFailure() << "point " << i << " differs: " << ::testing::PrintToString(a) << " against " << ::testing::PrintToString(b);
	}
	return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllFinite(OutlinePoints outline)
{
	for (int i = 0; i < outline.count; ++i)
	{
		const OutlinePoint& point = outline.points[i];
		if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z))
			return ::testing::AssertionFailure() << "point " << i << " is not finite: " << ::testing::PrintToString(outline);
	}
	return ::testing::AssertionSuccess();
}

::testing::AssertionResult IsMirrorSymmetric(OutlinePoints outline, double tolerance)
{
	const int n = outline.count;
	for (int turn = 0; turn < n; ++turn)
	{
		bool retraced = true;
		for (int i = 0; i < n && retraced; ++i)
			retraced = IsMirrorImage(outline.points[i], outline.points[(turn - i + n) % n], tolerance);
		if (retraced)
			return ::testing::AssertionSuccess();
	}
	return ::testing::AssertionFailure() << "no mirror partners: " << ::testing::PrintToString(outline);
}

::testing::AssertionResult IsHalfTurnSymmetric(OutlinePoints outline, double tolerance)
{
	const int half = outline.count / 2;
	if (outline.count % 2 != 0)
		return ::testing::AssertionFailure() << "an odd number of points, " << outline.count;
	for (int i = 0; i < half; ++i)
	{
		const OutlinePoint& p = outline.points[i];
		const OutlinePoint& q = outline.points[i + half];
		if (!Near(q.x, -p.x, tolerance) || !Near(q.y, -p.y, tolerance))
			return ::testing::AssertionFailure() << "point " << i + half << " is not point " << i << " turned: " << ::testing::PrintToString(outline);
	}
	return ::testing::AssertionSuccess();
}

double CoincidenceTolerance(OutlinePoints outline)
{
	double largest = 1.0;
	for (int i = 0; i < outline.count; ++i)
		largest = std::fmax(largest, std::fmax(std::fabs(outline.points[i].x), std::fabs(outline.points[i].y)));
	return 1e-9 * largest;
}

void PrintTo(OutlinePoints outline, std::ostream* out)
{
	*out << std::setprecision(17) << outline.count << " points:";
	for (int i = 0; i < outline.count; ++i)
		*out << " (" << outline.points[i].x << ", " << outline.points[i].y << ", " << outline.points[i].z << ")";
}

void PrintTo(const ArrowOutline& outline, std::ostream* out)
{
	PrintTo(OutlinePoints(outline), out);
}
