// Tests that run the real module in the headless host. The host is strict:
// any protocol fault of the module fails the test.
#ifndef TESTS_SUPPORT_MODULE_TEST_H
#define TESTS_SUPPORT_MODULE_TEST_H

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "headless/host.h"
#include "tests/support/plugin_folder.h"

namespace tests
{

constexpr std::int32_t ARROW_ID = 1025060;

class ModuleTest : public ::testing::Test
{
protected:
	void TearDown() override
	{
		host.Shutdown();
		EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
	}

	// The host's whole start-up; fails the test when the module does not start.
	void StartModule(PluginLayout layout = {})
	{
		folder.emplace(layout);
		std::string reason;
		ASSERT_TRUE(host.Start(folder->Module(), reason)) << reason;
		document = host.NewDocument();
	}

	// A new arrow as the host's object menu makes it.
	headless::Object* NewArrow()
	{
		headless::Object* arrow = host.NewObjectFromMenu(document, ARROW_ID);
		EXPECT_NE(arrow, nullptr);
		return arrow;
	}

	std::optional<PluginFolder> folder;
	headless::Host host;
	headless::Document* document = nullptr;
};

} // namespace tests

#endif
