#include "c4d_tools.h"

namespace
{

// The sequence's step: a 32-bit linear congruential generator, whose state
// runs through every 32-bit value before it repeats.
const UInt32 MULTIPLIER = 1664525u;
const UInt32 INCREMENT = 1013904223u;
const UInt32 DEFAULT_SEED = 1u;

} // namespace

Random::Random() : seed(DEFAULT_SEED)
{
}

void Random::Init(UInt32 s)
{
	seed = s;
}

Float Random::Get01(void)
{
	seed = seed * MULTIPLIER + INCREMENT;
	return static_cast<Float>(seed) / 4294967295.0;
}
