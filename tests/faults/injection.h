// Every injection point of the host's fault plan, tried on one operation:
// each call of each entry the operation reaches fails in turn, once and
// from then on.
#ifndef TESTS_FAULTS_INJECTION_H
#define TESTS_FAULTS_INJECTION_H

#include <functional>
#include <optional>
#include <string>

#include "headless/fault_plan.h"

namespace tests
{

// Call `k` of `entry` fails; with `forever`, every later call too.
struct Injection
{
	std::string entry;
	int k = 0;
	bool forever = false;
};

// "no fault", "paths.alloc #3 fails once", "paths.alloc #3 fails from then on".
std::string Describe(const Injection* injection);

// One run of the operation under `injection` (none: the run without
// faults): the fault plan as the operation left it, or nothing when the run
// failed the test and no further run is worth making.
using InjectedRun = std::function<std::optional<headless::FaultPlan>(const Injection* injection)>;

// Runs the operation without faults, then, for every entry that run
// reached, under fail-once and fail-forever with k = 1, 2, ... until a run
// no longer reaches call k. An entry the run without faults never called is
// not tried: without a failure before its first call, the run would be the same.
void UnderEveryInjection(const InjectedRun& run);

} // namespace tests

#endif
