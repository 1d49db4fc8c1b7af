// The host's start-up of the module under every injection point, then its
// shutdown. The module either starts with its arrow registered, or says on
// the console why it did not; a failing icon costs the icon alone; and
// whatever happened, shutdown gives every block, container, path, bitmap,
// file and resource back.
#include <gtest/gtest.h>

#include <algorithm>

#include "headless/host.h"
#include "tests/faults/injection.h"
#include "tests/support/module_test.h"

namespace tests
{
namespace
{

const std::string NOT_STARTED = "Orvandale Software: Failed to load Pointsmith.";
const std::string NO_RESOURCE = "Pointsmith: failed to load resource file.";

bool Printed(const headless::Host& host, const std::string& line)
{
	return std::count(host.console.lines.begin(), host.console.lines.end(), line) > 0;
}

TEST(StartUpFaults, StartAndShutDown)
{
	const PluginFolder folder;
	UnderEveryInjection([&](const Injection* injection) -> std::optional<headless::FaultPlan> {
		SCOPED_TRACE(Describe(injection));
		std::optional<headless::FaultPlan> plan;
		{
			headless::Host host;
			if (injection)
				host.faults.Fail(injection->entry, injection->k, injection->forever);
			std::string reason;
			const bool started = host.Start(folder.Module(), reason);
			plan = host.faults;
			host.faults.Clear();
			const bool failed = plan->Failures() > 0;
			const bool iconFailed = failed && injection->entry.rfind("bitmaps.", 0) == 0;

			const headless::RegisteredObject* arrow = host.plugins.FindObject(ARROW_ID);
			EXPECT_EQ(started, arrow != nullptr);
			EXPECT_TRUE(started || failed) << reason;
			EXPECT_TRUE(started || !iconFailed) << "a failing icon stopped the start: " << reason;
			EXPECT_EQ(started, !Printed(host, NOT_STARTED));
			EXPECT_EQ(host.Started().resource == -1, Printed(host, NO_RESOURCE));
			if (arrow)
			{
				EXPECT_NE(arrow->description, nullptr);
				EXPECT_TRUE(arrow->iconSize.has_value() || failed) << "no icon without a fault";
				EXPECT_FALSE(arrow->iconSize.has_value() && iconFailed) << "an icon although its bitmap failed";
			}
			host.Shutdown();
			EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
			EXPECT_EQ(host.memory.LiveBlocks(), 0u);
		}
		if (::testing::Test::HasFailure())
			return std::nullopt;
		return plan;
	});
}

} // namespace
} // namespace tests
