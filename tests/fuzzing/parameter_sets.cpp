#include "tests/fuzzing/parameter_sets.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

namespace tests
{

namespace
{

// Zeros, subnormals and numbers up to 1e100, of either sign.
const std::vector<double>& BoundedEdges()
{
	static const std::vector<double> edges = { 0.0, -0.0, 1.0, -1.0, 50.0, 0.5, 4.9e-324, -4.9e-324, 2.2250738585072014e-308,
		-2.2250738585072014e-308, 1e-300, 1e9, -1e9, 1e100, -1e100 };
	return edges;
}

// Every finite number, up to the largest double.
const std::vector<double>& FiniteEdges()
{
	static const std::vector<double> edges = [] {
		std::vector<double> numbers = BoundedEdges();
		for (const double number : AwkwardNumbers())
		{
			if (std::isfinite(number))
				numbers.push_back(number);
		}
		return numbers;
	}();
	return edges;
}

ArrowShape EdgeArrow(std::mt19937_64& random, const std::vector<double>& edges)
{
	ArrowShape shape {};
	std::uniform_int_distribution<std::size_t> pick(0, edges.size() - 1);
	for (double* number : NumbersOf(shape))
		*number = edges[pick(random)];
	return shape;
}

struct Kind
{
	const char* name;
	ArrowShape (*make)(std::mt19937_64&);
	int traps;
};

// No set may divide by zero: the outline settles every zero divisor before
// it divides. Numbers a user sets in practice overflow nowhere, and nothing
// is left undefined. A quotient by a subnormal, or a sum near the largest
// double, overflows by design, and differences of the infinities that follow
// are undefined: the outline's last guard zeroes both. NaN and infinities
// come from no host, and an ordered comparison with NaN is itself invalid.
const Kind KINDS[] = {
	{ "well-formed", &RandomWellFormedArrow, FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW },
	{ "ordinary", &RandomOrdinaryArrow, FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW },
	{ "edge values", [](std::mt19937_64& random) { return EdgeArrow(random, BoundedEdges()); }, FE_DIVBYZERO },
	{ "huge values", [](std::mt19937_64& random) { return EdgeArrow(random, FiniteEdges()); }, FE_DIVBYZERO },
	{ "not numbers", &RandomAwkwardArrow, FE_DIVBYZERO },
};
constexpr std::uint64_t KIND_COUNT = sizeof(KINDS) / sizeof(KINDS[0]);

const std::int32_t PLANES[] = { 0, 1, 2, -1, 3, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max() };

long long FromEnvironment(const char* name, long long fallback)
{
	const char* text = std::getenv(name);
	return text && *text ? std::strtoll(text, nullptr, 10) : fallback;
}

} // namespace

ParameterSet MakeParameterSet(std::uint64_t seed)
{
	std::mt19937_64 random(seed);
	const Kind& kind = KINDS[seed % KIND_COUNT];
	ParameterSet set;
	set.kind = kind.name;
	set.traps = kind.traps;
	set.shape = WithSwitches(kind.make(random), static_cast<unsigned>((seed / KIND_COUNT) % SWITCH_SETTINGS));
	set.plane = PLANES[std::uniform_int_distribution<std::size_t>(0, std::size(PLANES) - 1)(random)];
	set.reverse = std::bernoulli_distribution(0.5)(random);
	std::uniform_int_distribution<std::int32_t> anyInt32;
	set.interpolation = anyInt32(random);
	set.subdivisions = anyInt32(random);
	const std::vector<double>& edges = FiniteEdges();
	std::uniform_int_distribution<std::size_t> pick(0, edges.size() - 1);
	set.angle = edges[pick(random)];
	set.maximumLength = edges[pick(random)];
	return set;
}

std::string Describe(const ParameterSet& set)
{
	std::ostringstream text;
	text.precision(17);
	text << set.kind << ": " << Describe(set.shape) << ", plane " << set.plane << ", reverse " << set.reverse << ", intermediate points "
		 << set.interpolation << ", " << set.subdivisions << ", " << set.angle << ", " << set.maximumLength;
	return text.str();
}

std::uint64_t FirstSeed()
{
	return static_cast<std::uint64_t>(FromEnvironment("POINTSMITH_SEED", 1));
}

long long SetsToRun(long long sets)
{
	return FromEnvironment("POINTSMITH_PARAMETER_SETS", sets);
}

} // namespace tests
