#include "tests/fuzzing/set_runner.h"

#include <cstdio>
#include <iostream>

#include "tests/fuzzing/floating_point_traps.h"

namespace tests
{

namespace
{

volatile std::uint64_t g_seed = 0;

const char* ReplayNote()
{
	static char note[128];
	std::snprintf(note, sizeof note, "replay with POINTSMITH_SEED=%llu POINTSMITH_PARAMETER_SETS=1",
		static_cast<unsigned long long>(g_seed));
	return note;
}

} // namespace

void ForEverySet(long long sets, const std::function<::testing::AssertionResult(const ParameterSet&)>& check)
{
	ExplainTraps(&ReplayNote);
	const std::uint64_t first = FirstSeed();
	const long long count = SetsToRun(sets);
	for (long long i = 0; i < count; ++i)
	{
		g_seed = first + static_cast<std::uint64_t>(i);
		const ParameterSet set = MakeParameterSet(g_seed);
		const ::testing::AssertionResult result = check(set);
		if (!result)
		{
			ADD_FAILURE() << result.message() << "\n" << Describe(set) << "\n" << ReplayNote();
			return;
		}
	}
	std::cout << count << " parameter sets from seed " << first << "\n";
}

} // namespace tests
