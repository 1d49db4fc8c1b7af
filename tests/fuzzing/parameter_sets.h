// The parameter sets of the arrow fuzzing. Each set is made from its seed
// alone, so that one that fails can be made again; consecutive seeds cycle
// through the kinds of sets and through every setting of the seven switches.
#ifndef TESTS_FUZZING_PARAMETER_SETS_H
#define TESTS_FUZZING_PARAMETER_SETS_H

#include <cstdint>
#include <string>

#include "arrow_shapes.h"

namespace tests
{

struct ParameterSet
{
	ArrowShape shape;
	// The host spline settings the arrow carries over: plane (any number,
	// not only 0 to 2), reverse, intermediate points mode, number, angle and
	// maximum length.
	std::int32_t plane = 0;
	bool reverse = false;
	std::int32_t interpolation = 0;
	std::int32_t subdivisions = 0;
	double angle = 0.0;
	double maximumLength = 0.0;
	// The floating-point exceptions (FE_...) that making this set's outline
	// must not raise: what its numbers can legitimately cause depends on
	// how large they may be.
	int traps = 0;
	const char* kind = "";
};

ParameterSet MakeParameterSet(std::uint64_t seed);

// The set's kind and every field, for failure messages.
std::string Describe(const ParameterSet& set);

// The first seed and the number of sets: POINTSMITH_SEED and
// POINTSMITH_PARAMETER_SETS from the environment, else 1 and `sets`.
std::uint64_t FirstSeed();
long long SetsToRun(long long sets);

} // namespace tests

#endif
