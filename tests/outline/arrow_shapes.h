#ifndef OUTLINE_ARROW_SHAPES_H__
#define OUTLINE_ARROW_SHAPES_H__

// Arrow shapes for the outline's tests: the object's defaults, and seeded
// random shapes of three kinds.
#include <array>
#include <random>
#include <string>
#include <vector>

#include "arrow_outline.h"

// The arrow a new object has: shaft 400 by 100, head 100 with barbs 50,
// shaft on, every other switch off except the bevel option.
ArrowShape DefaultArrow();

// The seven switches that choose a variant, set from the low bits of
// `switches`; every value below SWITCH_SETTINGS is one combination.
ArrowShape WithSwitches(ArrowShape shape, unsigned switches);
constexpr unsigned SWITCH_SETTINGS = 1u << 7;

// A shape as a user may set it: each length 0 or of magnitude 1e-6 to 1e9,
// either sign; tapers within ±1e3; random switches. One draw in four each
// zeroes the run of the head's front edge, the single arrow's barb half width
// and the double arrow's, as closely as the arithmetic allows.
ArrowShape RandomOrdinaryArrow(std::mt19937_64& random);

// A shape that looks like an arrow: positive lengths of 1 to 1000, tapers
// 0 to 1, barbs swept back less than half the head, a head thicker than a
// tenth and thinner than nine tenths of its length, fins no longer than the
// shaft, bevels at most a quarter of the head; random switches.
ArrowShape RandomWellFormedArrow(std::mt19937_64& random);

// Numbers that break careless arithmetic: zeros of both signs, subnormals,
// values near the largest double, infinities and NaN.
const std::vector<double>& AwkwardNumbers();

// Every number drawn from the awkward ones; random switches.
ArrowShape RandomAwkwardArrow(std::mt19937_64& random);

// `shape` with rounding on three times in four, a radius as RandomOrdinaryArrow
// draws its lengths or, when `awkward`, one of the awkward numbers, and -2 to
// 40 steps.
ArrowShape WithRandomRounding(ArrowShape shape, std::mt19937_64& random, bool awkward);

// Every number of the shape, in field order: lengths and tapers.
constexpr std::size_t NUMBER_FIELDS = 15;
std::array<double*, NUMBER_FIELDS> NumbersOf(ArrowShape& shape);

// The number of points the count table gives the variant `shape` asks for:
// a tail notch (N > 0) or swept barbs (s > 0) add corners to some.
int TablePointCount(const ArrowShape& shape);

// One line listing every field, for failure messages.
std::string Describe(const ArrowShape& shape);

#endif
