// Runs a check on consecutive parameter sets. A check that fails, or a
// floating-point trap, names the seed that makes the set again:
//   POINTSMITH_SEED=<seed> POINTSMITH_PARAMETER_SETS=1 <test> --gtest_filter=<name>
#ifndef TESTS_FUZZING_SET_RUNNER_H
#define TESTS_FUZZING_SET_RUNNER_H

#include <gtest/gtest.h>

#include <functional>

#include "tests/fuzzing/parameter_sets.h"

namespace tests
{

// `sets` sets (unless the environment says otherwise) from FirstSeed() on;
// stops at the first that fails its check.
void ForEverySet(long long sets, const std::function<::testing::AssertionResult(const ParameterSet&)>& check);

} // namespace tests

#endif
