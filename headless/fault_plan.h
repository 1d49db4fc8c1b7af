// Planned failures of table entries: the k-th call of an entry fails, once or
// from then on, so that tests can show what the module does when the host
// has no memory, no file or no answer.
#ifndef HEADLESS_FAULT_PLAN_H
#define HEADLESS_FAULT_PLAN_H

#include <string>
#include <string_view>
#include <vector>

namespace headless
{

class FaultPlan
{
public:
	// The injection points: every table entry that consults the plan, by
	// its name (family.entry). Each fails as its table documents a failure:
	// allocations answer null, file operations false with the file's error
	// state set, the file dialog as if cancelled, loads and registrations as
	// if refused.
	static const std::vector<std::string>& Entries();

	FaultPlan();

	// Call `k` (counting from 1, counted from now) of `entry` fails; with
	// `forever`, every later call too. Throws std::invalid_argument for a
	// name that is no injection point.
	void Fail(const std::string& entry, int k, bool forever = false);
	// Counts a call of `entry` and answers whether it is to fail.
	bool ShouldFail(std::string_view entry);
	// Calls of `entry` since the plan was cleared or the entry planned.
	int Calls(std::string_view entry) const;
	// Calls that failed by plan since the plan was cleared.
	int Failures() const { return _failures; }
	// No failures planned, every count back to zero.
	void Clear();

private:
	struct Point
	{
		int calls = 0;
		int failAt = 0; // 0: never
		bool forever = false;
	};
	std::size_t IndexOf(std::string_view entry) const;

	std::vector<Point> _points;
	int _failures = 0;
};

} // namespace headless

#endif
