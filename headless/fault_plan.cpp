#include "headless/fault_plan.h"

namespace headless
{

void FaultPlan::Fail(const std::string& entry, int k, bool forever)
{
	_plans[entry] = Plan { 0, k, forever };
}

bool FaultPlan::ShouldFail(const std::string& entry)
{
	auto found = _plans.find(entry);
	if (found == _plans.end())
		return false;
	Plan& plan = found->second;
	plan.calls++;
	return plan.calls == plan.failAt || (plan.forever && plan.calls > plan.failAt);
}

} // namespace headless
