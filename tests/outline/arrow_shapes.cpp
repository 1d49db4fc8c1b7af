#include "arrow_shapes.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>

namespace
{

bool Chance(std::mt19937_64& random, double probability)
{
	return std::bernoulli_distribution(probability)(random);
}

double Uniform(std::mt19937_64& random, double low, double high)
{
	return std::uniform_real_distribution<double>(low, high)(random);
}

// 0 one time in six, else a magnitude spread evenly over 1e-6 to 1e9 in
// orders of magnitude, of either sign.
double OrdinaryLength(std::mt19937_64& random)
{
	if (Chance(random, 1.0 / 6.0))
		return 0.0;
	const double magnitude = std::pow(10.0, Uniform(random, -6.0, 9.0));
	return Chance(random, 0.5) ? -magnitude : magnitude;
}

double AwkwardNumber(std::mt19937_64& random)
{
	const std::vector<double>& numbers = AwkwardNumbers();
	return numbers[std::uniform_int_distribution<std::size_t>(0, numbers.size() - 1)(random)];
}

unsigned RandomSwitches(std::mt19937_64& random)
{
	return std::uniform_int_distribution<unsigned>(0, SWITCH_SETTINGS - 1)(random);
}

} // namespace

std::array<double*, NUMBER_FIELDS> NumbersOf(ArrowShape& shape)
{
	return { &shape.shaftLength, &shape.shaftWidth, &shape.headLength, &shape.barbOverhang, &shape.headThickness, &shape.tailNotch,
		&shape.taperFront, &shape.taperBack, &shape.barbSweep, &shape.finLength, &shape.finWidth, &shape.finSweep, &shape.bevelSize,
		&shape.doubleLength, &shape.doubleWidth };
}

const std::vector<double>& AwkwardNumbers()
{
	static const std::vector<double> numbers = { 0.0, -0.0, 1.0, -1.0, 50.0, 4.9e-324, -4.9e-324, 2.2e-308, 1e-300, 1e154, -1e154, 1e300,
		1e308, -1e308, std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(), std::numeric_limits<double>::infinity(),
		-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() };
	return numbers;
}

ArrowShape DefaultArrow()
{
	ArrowShape shape {};
	shape.shaftLength = 400.0;
	shape.shaftWidth = 100.0;
	shape.headLength = 100.0;
	shape.barbOverhang = 50.0;
	shape.headThickness = 50.0;
	shape.shaft = true;
	shape.finLength = 100.0;
	shape.finWidth = 50.0;
	shape.finSweep = 50.0;
	shape.bevelSize = 10.0;
	shape.bevelOption = true;
	shape.doubleLength = 400.0;
	shape.doubleWidth = 100.0;
	return shape;
}

ArrowShape WithSwitches(ArrowShape shape, unsigned switches)
{
	shape.openHead = (switches & 1u) != 0;
	shape.squareBarbs = (switches & 2u) != 0;
	shape.shaft = (switches & 4u) != 0;
	shape.fins = (switches & 8u) != 0;
	shape.bevel = (switches & 16u) != 0;
	shape.bevelOption = (switches & 32u) != 0;
	shape.doubleHeaded = (switches & 64u) != 0;
	return shape;
}

ArrowShape RandomOrdinaryArrow(std::mt19937_64& random)
{
	ArrowShape shape {};
	for (double* length : NumbersOf(shape))
		*length = OrdinaryLength(random);
	shape.taperFront = Uniform(random, -1e3, 1e3);
	shape.taperBack = Uniform(random, -1e3, 1e3);

	// Heads whose front edge is flat or upright, as nearly as the sums allow.
	if (Chance(random, 0.25))
		shape.headThickness = shape.headLength + shape.barbSweep;
	if (Chance(random, 0.25))
		shape.shaftWidth = -2.0 * shape.barbOverhang;
	if (Chance(random, 0.25))
		shape.doubleWidth = -2.0 * shape.barbOverhang;
	return WithSwitches(shape, RandomSwitches(random));
}

ArrowShape RandomWellFormedArrow(std::mt19937_64& random)
{
	ArrowShape shape {};
	for (double* length : { &shape.shaftLength, &shape.shaftWidth, &shape.headLength, &shape.barbOverhang, &shape.finWidth,
			 &shape.doubleLength, &shape.doubleWidth })
		*length = Uniform(random, 1.0, 1000.0);
	shape.headThickness = Uniform(random, 0.1, 0.9) * shape.headLength;
	shape.barbSweep = Uniform(random, 0.0, 0.5) * shape.headLength;
	shape.bevelSize = Uniform(random, 0.0, 0.25) * shape.headLength;
	shape.tailNotch = Chance(random, 0.5) ? Uniform(random, 0.0, 0.5) * shape.shaftLength : 0.0;
	shape.finLength = Uniform(random, 0.0, 1.0) * shape.shaftLength;
	shape.finSweep = Uniform(random, 0.0, 1.0) * shape.shaftLength;
	shape.taperFront = Uniform(random, 0.0, 1.0);
	shape.taperBack = Uniform(random, 0.0, 1.0);
	return WithSwitches(shape, RandomSwitches(random));
}

ArrowShape RandomAwkwardArrow(std::mt19937_64& random)
{
	ArrowShape shape {};
	for (double* number : NumbersOf(shape))
		*number = AwkwardNumber(random);
	return WithSwitches(shape, RandomSwitches(random));
}

ArrowShape WithRandomRounding(ArrowShape shape, std::mt19937_64& random, bool awkward)
{
	shape.roundCorners = Chance(random, 0.75);
	shape.roundRadius = awkward ? AwkwardNumber(random) : OrdinaryLength(random);
	shape.roundSteps = std::uniform_int_distribution<int>(-2, 40)(random);
	return shape;
}

int TablePointCount(const ArrowShape& shape)
{
	const int notch = shape.tailNotch > 0.0 ? 1 : 0;
	const int sweep = shape.barbSweep > 0.0 ? 1 : 0;
	switch (ChooseArrowVariant(shape))
	{
		case ArrowVariant::DOUBLE_SOLID: return 10;
		case ArrowVariant::DOUBLE_OPEN: return 14;
		case ArrowVariant::FINS_SOLID: return 13 + notch;
		case ArrowVariant::FINS_OPEN: return 15 + notch;
		case ArrowVariant::SHAFT_SOLID: return 7 + notch;
		case ArrowVariant::SHAFT_BEVEL: return 14 + 2 * notch;
		case ArrowVariant::SHAFT_OPEN: return 9 + notch;
		case ArrowVariant::HEAD_OPEN: return 6;
		case ArrowVariant::HEAD_SOLID: return 3 + sweep;
		case ArrowVariant::HEAD_BEVEL: return 6 + 2 * sweep;
	}
	return -1;
}

std::string Describe(const ArrowShape& shape)
{
	static const char* const names[NUMBER_FIELDS] = { "S", "W", "H", "B", "c", "N", "Tf", "Tb", "s", "Fl", "Fw", "Fs", "r", "L", "Wd" };
	ArrowShape copy = shape;
	const std::array<double*, NUMBER_FIELDS> numbers = NumbersOf(copy);
	std::ostringstream text;
	text << std::setprecision(17);
	for (std::size_t i = 0; i < NUMBER_FIELDS; ++i)
		text << names[i] << " " << *numbers[i] << ", ";
	text << "open " << shape.openHead << ", square " << shape.squareBarbs << ", shaft " << shape.shaft << ", fins " << shape.fins
		 << ", bevel " << shape.bevel << ", option " << shape.bevelOption << ", double " << shape.doubleHeaded << ", round " << shape.roundCorners
		 << ", radius " << shape.roundRadius << ", steps " << shape.roundSteps;
	return text.str();
}
