// Message 17 under every injection point: each tool setting changed in every
// place the arrow can lie, with and without a wrap deformer. The change is
// one undo step with everything the module carried over; nothing is left over.
#include "tests/faults/module_faults.h"
#include "tests/faults/situations.h"

namespace tests
{
namespace
{

struct Change
{
	std::string settings; // before the change
	std::string line;     // the change
};

const Change CHANGES[] = {
	{ "", "set a ARROW_EXTRUDE_FILLET true" },
	{ "set a ARROW_EXTRUDE_FILLET true\n", "set a ARROW_EXTRUDE_FILLET false" },
	{ "", "set a ARROW_CLONE_COUNT 7" },
	{ "", "link a ARROW_CLONE_SPLINE path" },
	{ "link a ARROW_CLONE_SPLINE path\n", "link a ARROW_CLONE_SPLINE none" },
	{ "", "set a ARROW_CLONE_SPLINE_VALUE 0.5" },
	{ "set a ARROW_CLONE_ON_SPLINE true\nlink a ARROW_CLONE_SPLINE path\n", "set a ARROW_CLONE_PLANE false" },
	{ "set a ARROW_CLONE_ON_SPLINE true\nlink a ARROW_CLONE_SPLINE path\nset a ARROW_CLONE_PLANE false\n", "set a ARROW_CLONE_PLANE true" },
	{ "", "link a ARROW_WRAP_SPLINE path" },
	{ "link a ARROW_WRAP_SPLINE path\n", "link a ARROW_WRAP_SPLINE none" },
	{ "", "set a ARROW_WRAP_OPTION false" },
	{ "", "set a ARROW_WRAP_SUBDIVIDE false" },
	{ "set a ARROW_WRAP_SUBDIVIDE false\n", "set a ARROW_WRAP_SUBDIVIDE true" },
	{ "", "set a ARROW_HEAD_LENGTH 80" },
};

TEST_F(ModuleFaultTest, EveryToolSettingChangedEverywhere)
{
	for (const Situation& hierarchy : Hierarchies())
		for (const Situation& wrap : WrapDeformers(hierarchy))
			for (const Change& change : CHANGES)
			{
				SCOPED_TRACE(hierarchy.name + ", " + wrap.name + ": " + change.line);
				UnderEveryInjection(
					Scene(hierarchy, wrap, change.settings), [&](FaultRun& run) { run.Script(change.line); }, &ArrowStaysInTheScene);
			}
}

} // namespace
} // namespace tests
