// A new arrow from the object menu under every injection point: no arrow at
// all when the module could not get what a new arrow needs, otherwise an
// arrow exactly like one made without faults, whose preset dialogs start in
// the preset folder.
#include <filesystem>

#include "tests/faults/module_faults.h"

namespace tests
{
namespace
{

TEST_F(ModuleFaultTest, NewArrowFromTheMenu)
{
	bool made = false;
	headless::Container madeWithoutFaults;
	UnderEveryInjection(
		"plane 1\nnew spline path\n",
		[&](FaultRun& run) {
			try
			{
				run.Script("new arrow b");
				made = true;
			}
			catch (const tool::HostError&)
			{
				made = false;
			}
		},
		[&](FaultRun& run) {
			EXPECT_EQ(made, !run.failed);
			if (!made)
				return;
			const headless::Container& values = run.Named("b").data;
			if (!run.injection)
				madeWithoutFaults = values;
			EXPECT_EQ(values, madeWithoutFaults);
			run.Script("answer cancel\npress b ARROW_PRESET_LOAD");
			EXPECT_EQ(std::filesystem::path(host.fileDialogs.shown.back().start), folder->Root() / "presets" / "*.arr");
		});
}

} // namespace
} // namespace tests
