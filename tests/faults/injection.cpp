#include "tests/faults/injection.h"

#include <gtest/gtest.h>

#include <iostream>
#include <set>

namespace tests
{

namespace
{

// What the runs of the whole program added up to.
struct InjectionTally
{
	long operations = 0;    // operations run under every injection
	long runs = 0;          // runs with an injection
	long onceRuns = 0;
	long foreverRuns = 0;
	long pointsReached = 0; // calls that failed once: (operation, entry, k) reached
	std::set<std::string> entriesReached;
};

InjectionTally g_tally;

// Prints the figures once every test has run.
class TallyReport : public ::testing::Environment
{
public:
	void TearDown() override
	{
		std::cout << "fault injection: " << g_tally.operations << " operations, " << g_tally.entriesReached.size() << " of "
				  << headless::FaultPlan::Entries().size() << " entries and " << g_tally.pointsReached << " injection points reached, " << g_tally.runs
				  << " runs (" << g_tally.onceRuns << " fail once, " << g_tally.foreverRuns << " fail from then on)\n";
	}
};

const ::testing::Environment* const g_report = ::testing::AddGlobalTestEnvironment(new TallyReport);

} // namespace

std::string Describe(const Injection* injection)
{
	if (!injection)
		return "no fault";
	return injection->entry + " #" + std::to_string(injection->k) + (injection->forever ? " fails from then on" : " fails once");
}

void UnderEveryInjection(const InjectedRun& run)
{
	const std::optional<headless::FaultPlan> clean = run(nullptr);
	if (!clean)
		return;
	g_tally.operations++;
	for (const std::string& entry : headless::FaultPlan::Entries())
	{
		if (clean->Calls(entry) == 0)
			continue;
		g_tally.entriesReached.insert(entry);
		for (const bool forever : { false, true })
		{
			for (int k = 1;; ++k)
			{
				const Injection injection { entry, k, forever };
				const std::optional<headless::FaultPlan> plan = run(&injection);
				if (!plan)
					return;
				g_tally.runs++;
				(forever ? g_tally.foreverRuns : g_tally.onceRuns)++;
				if (plan->Calls(entry) < k)
					break;
				if (!forever)
					g_tally.pointsReached++;
			}
		}
	}
}

} // namespace tests
