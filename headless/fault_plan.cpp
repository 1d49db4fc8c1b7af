#include "headless/fault_plan.h"

#include <stdexcept>

namespace headless
{

const std::vector<std::string>& FaultPlan::Entries()
{
	static const std::vector<std::string> entries = { "general.alloc", "paths.alloc", "paths.kill", "paths.rename", "paths.copy_file", "paths.select_file",
		"files.alloc", "files.open", "files.close", "files.read_bool", "files.read_int32", "files.read_float32", "files.read_bytes",
		"files.write_bool", "files.write_int32", "files.write_float32", "files.write_bytes", "bitmaps.alloc", "bitmaps.init", "resources.load",
		"resources.register_description", "plugins.register_object", "containers.alloc", "objects.alloc", "objects.alloc_spline",
		"objects.get_line_object" };
	return entries;
}

FaultPlan::FaultPlan() : _points(Entries().size())
{
}

std::size_t FaultPlan::IndexOf(std::string_view entry) const
{
	const std::vector<std::string>& entries = Entries();
	for (std::size_t i = 0; i < entries.size(); ++i)
	{
		if (entries[i] == entry)
			return i;
	}
	throw std::invalid_argument("no injection point " + std::string(entry));
}

void FaultPlan::Fail(const std::string& entry, int k, bool forever)
{
	_points[IndexOf(entry)] = Point { 0, k, forever };
}

bool FaultPlan::ShouldFail(std::string_view entry)
{
	Point& point = _points[IndexOf(entry)];
	point.calls++;
	const bool fail = point.failAt > 0 && (point.calls == point.failAt || (point.forever && point.calls > point.failAt));
	if (fail)
		_failures++;
	return fail;
}

int FaultPlan::Calls(std::string_view entry) const
{
	return _points[IndexOf(entry)].calls;
}

void FaultPlan::Clear()
{
	_points.assign(Entries().size(), Point {});
	_failures = 0;
}

} // namespace headless
