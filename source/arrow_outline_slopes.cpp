#include "arrow_outline_slopes.h"

#include <cmath>
#include <limits>

namespace arrow_outline
{

double Quotient(double numerator, double divisor)
{
	if (divisor != 0.0)
		return numerator / divisor;
	if (numerator == 0.0 || std::isnan(numerator))
		return std::numeric_limits<double>::quiet_NaN();
	// The sign of a quotient is the product of the signs, those of zeros included.
	return std::copysign(std::numeric_limits<double>::infinity(), numerator) * std::copysign(1.0, divisor);
}

double AngleOfSlope(double slope)
{
	return std::isnan(slope) ? 0.0 : std::atan(slope);
}

double AddRun(double x, double rise, double slope)
{
	if (slope == 0.0 || !std::isfinite(slope))
		return x;
	return x + rise / slope;
}

OutlinePoint BarbFlatEnd(double cornerX, double cornerY, double thickness, bool squareEnds, double frontAngle)
{
	if (!squareEnds)
		return OutlinePoint { cornerX + thickness, cornerY, 0.0 };

	const double cosine = std::cos(frontAngle);
	return OutlinePoint { cornerX + thickness - thickness * cosine * cosine, cornerY + thickness * cosine * std::sin(frontAngle), 0.0 };
}

} // namespace arrow_outline
