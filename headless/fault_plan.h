// Planned failures of table entries: the k-th call of an entry fails, once or
// from then on, so that tests can show what the module does when the host
// has no memory, no file or no answer.
#ifndef HEADLESS_FAULT_PLAN_H
#define HEADLESS_FAULT_PLAN_H

#include <map>
#include <string>

namespace headless
{

class FaultPlan
{
public:
	// Call `k` (counting from 1) of `entry` fails; with `forever`, every later call too.
	void Fail(const std::string& entry, int k, bool forever = false);
	// Counts a call of `entry` and answers whether it is to fail.
	bool ShouldFail(const std::string& entry);
	void Clear() { _plans.clear(); }

private:
	struct Plan
	{
		int calls = 0;
		int failAt = 0;
		bool forever = false;
	};
	std::map<std::string, Plan> _plans;
};

} // namespace headless

#endif
