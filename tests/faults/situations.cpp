#include "tests/faults/situations.h"

#include "tests/faults/module_faults.h"

namespace tests
{

const std::vector<Situation>& Hierarchies()
{
	static const std::vector<Situation> hierarchies = {
		{ "at the top", "" },
		{ "under an extrude object", "new extrude e\nmove a under e\n" },
		{ "under a cloner by count", "new cloner c\nmove a under c\n" },
		{ "under a cloner along path", "new cloner c\nset c 2010 0\nlink c 1015 path\nmove a under c\n" },
		{ "under a cloner along nothing", "new cloner c\nset c 2010 0\nmove a under c\n" },
		{ "in an extrude object under a cloner along path", "new cloner c\nset c 2010 0\nlink c 1015 path\nnew extrude e\nmove e under c\nmove a under e\n" },
		{ "under a null", "new null n\nmove a under n\n" },
		{ "in an extrude object under a null", "new null n\nnew extrude e\nmove e under n\nmove a under e\n" },
	};
	return hierarchies;
}

std::vector<Situation> WrapDeformers(const Situation& hierarchy)
{
	// A new object comes first at the top: before an arrow at the top already.
	const std::string beside = hierarchy.lines.empty() ? "new wrap w\n" : "new wrap w\nmove w under a.up\n";
	return { { "no wrap deformer", "" }, { "a wrap deformer under the arrow", "new wrap w\nmove w under a\n" },
		{ "a wrap deformer beside the arrow", beside } };
}

std::string Scene(const Situation& hierarchy, const Situation& wrap, const std::string& settings)
{
	return "new spline path\nnew arrow a\n" + hierarchy.lines + wrap.lines + settings;
}

void ArrowStaysInTheScene(FaultRun& run)
{
	run.Named("a");
}

} // namespace tests
