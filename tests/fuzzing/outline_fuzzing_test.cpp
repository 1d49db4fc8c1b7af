// Seeded parameter sets through the outline alone, with the floating-point
// traps each kind of set must not spring: every outline finite, with the
// number of points the count table gives.
#include "outline_checks.h"
#include "tests/fuzzing/floating_point_traps.h"
#include "tests/fuzzing/set_runner.h"

namespace tests
{
namespace
{

TEST(ParameterFuzzing, OutlineAlone)
{
	ForEverySet(100000, [](const ParameterSet& set) -> ::testing::AssertionResult {
		ArrowOutline outline;
		{
			const FloatingPointTraps traps(set.traps);
			outline = ComputeArrowOutline(set.shape);
		}
		if (outline.count != TablePointCount(set.shape))
			return ::testing::AssertionFailure() << outline.count << " points where the table has " << TablePointCount(set.shape);
		return AllFinite(outline);
	});
}

} // namespace
} // namespace tests
