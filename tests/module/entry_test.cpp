// The module's entry point: actions, init count, version test, resource loading.
#include <gtest/gtest.h>

#include "headless/host.h"
#include "tests/support/plugin_folder.h"

namespace tests
{
namespace
{

constexpr const char* LOADED = "Orvandale Software: Pointsmith successfully loaded.";
constexpr const char* NOT_LOADED = "Orvandale Software: Failed to load Pointsmith.";
constexpr const char* NO_RESOURCE = "Pointsmith: failed to load resource file.";

void* Message(std::intptr_t id)
{
	return reinterpret_cast<void*>(id);
}

// The module loaded into a host but not yet called, so each test drives the
// entry point itself.
class EntryTest : public ::testing::Test
{
protected:
	explicit EntryTest(headless::HostOptions options = {}, PluginLayout layout = {}) : folder(layout), host(options)
	{
		std::string reason;
		if (!host.Load(folder.Module(), reason))
			throw std::runtime_error(reason);
		path = folder.Module().string();
	}

	void TearDown() override
	{
		host.Shutdown();
		EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
	}

	int Init() { return host.CallMain(1, Table(), nullptr, path.data()); }
	int Init(std::string& modulePath) { return host.CallMain(1, Table(), nullptr, modulePath.data()); }
	int Start() { return host.CallMain(2); }
	int End() { return host.CallMain(3); }
	int LoadResource() { return host.CallMain(6, Message(1)); }
	void* Table() { return const_cast<C4D_OS*>(host.Table()); }
	std::size_t RegisteredObjects() { return host.plugins.Objects().size(); }

	PluginFolder folder;
	headless::Host host;
	std::string path;
};

TEST_F(EntryTest, StartsInTheHostsOrderAndReleasesEverythingAtTheEnd)
{
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(Start(), 1);
	EXPECT_EQ(host.console.lines, std::vector<std::string> { LOADED });
	EXPECT_EQ(RegisteredObjects(), 1u);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
	EXPECT_EQ(host.resources.Count(), 0u);
	EXPECT_EQ(host.paths.Count(), 0u);
}

// The host application's own table has no tag after its version: a module
// built for this host must not drive it, count it or keep anything of it,
// however often it comes. Every entry here is null, so any call through such
// a table would crash.
TEST_F(EntryTest, ATableWithoutTheTagIsRefusedEveryTimeAndNeverCounted)
{
	C4D_OS zeroed {}, foreign {}, old {};
	foreign.version = 23100;
	old.version = 23099;
	const std::vector<void*> tables = { nullptr, &zeroed, &foreign, &old };
	for (void* table : tables)
	{
		EXPECT_EQ(host.CallMain(1, table, nullptr, path.data()), -3);
		EXPECT_EQ(host.CallMain(1, table, nullptr, path.data()), -3);
	}
	EXPECT_EQ(Start(), 0);
	EXPECT_EQ(LoadResource(), -1);
	EXPECT_TRUE(host.console.lines.empty());
	// Nothing was counted: this host's first action 1 initialises, and one end releases.
	EXPECT_EQ(Init(), 1);
	for (void* table : tables)
		EXPECT_EQ(host.CallMain(1, table, nullptr, path.data()), -3);
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.resources.Count(), 0u);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

TEST_F(EntryTest, AnswersTheVersionQueryWhateverTheArguments)
{
	EXPECT_EQ(host.CallMain(4), 5);
	EXPECT_EQ(host.CallMain(4, Message(77), Message(1), Message(2)), 5);
}

TEST_F(EntryTest, RefusesUnknownActions)
{
	EXPECT_EQ(Init(), 1);
	for (int action : { 0, 5, 7, 100, -1 })
		EXPECT_EQ(host.CallMain(action), -1) << action;
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, AnswersModuleMessagesByID)
{
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(host.CallMain(6, Message(0)), 1);
	EXPECT_EQ(host.CallMain(6, Message(2)), -1);
	// Only the low 32 bits of p1 carry the message ID.
	EXPECT_EQ(host.CallMain(6, Message(std::intptr_t { 1 } << 32)), 1);
	EXPECT_TRUE(host.console.lines.empty());
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, LoadsTheResourceOnceAndAnswersTheFirstOutcomeAfterwards)
{
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), 1);
	std::filesystem::remove_all(folder.Resources());
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(host.resources.Count(), 1u);
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, ASecondInitialisationKeepsTheFirstModulePath)
{
	EXPECT_EQ(Init(), 1);
	std::string elsewhere = (folder.Root() / "nowhere" / "pointsmith.xso64").string();
	EXPECT_EQ(Init(elsewhere), 1);
	// The resource still comes from beside the first path.
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, ASecondInitialisationDoesNotCheckTheVersionAgain)
{
	EXPECT_EQ(Init(), 1);
	C4D_OS old = *host.Table();
	old.version = 23099;
	EXPECT_EQ(host.CallMain(1, &old, nullptr, nullptr), 1);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, OnlyTheLastEndReleases)
{
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(End(), 1);
	// Count 1: the resource and the module path are still held.
	EXPECT_EQ(host.resources.Count(), 1u);
	EXPECT_EQ(Start(), 1);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.resources.Count(), 0u);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

TEST_F(EntryTest, NeedsTheModulePath)
{
	EXPECT_EQ(host.CallMain(1, Table(), nullptr, nullptr), -3);
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, ATableOfNoHostIsTooOld)
{
	EXPECT_EQ(host.CallMain(1, nullptr, nullptr, path.data()), -3);
	EXPECT_EQ(End(), 1);
}

TEST_F(EntryTest, StartAndMessagesFailQuietlyBeforeInitialisation)
{
	EXPECT_EQ(Start(), 0);
	EXPECT_EQ(LoadResource(), -1);
	EXPECT_EQ(host.CallMain(6, Message(0)), -1);
	EXPECT_TRUE(host.console.lines.empty());
	EXPECT_EQ(RegisteredObjects(), 0u);
}

TEST_F(EntryTest, AnEndWithoutInitialisationLeavesTheCountAtZero)
{
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(End(), 1);
	// The next action 1 is a first one again: it initialises.
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

TEST_F(EntryTest, StartsAfreshAfterTheLastEnd)
{
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(Start(), 1);
	EXPECT_EQ(End(), 1);

	// A host that starts the module again, as after a reload of its plug-ins.
	host.plugins.Clear();
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), 1);
	EXPECT_EQ(Start(), 1);
	EXPECT_EQ(host.console.lines, (std::vector<std::string> { LOADED, LOADED }));
	EXPECT_EQ(RegisteredObjects(), 1u);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

TEST_F(EntryTest, WithoutMemoryForTheModulePathThePluginFolderStaysEmpty)
{
	// The module path is the first thing the module allocates.
	host.faults.Fail("general.alloc", 1);
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), -1);
	EXPECT_EQ(host.console.lines, std::vector<std::string> { NO_RESOURCE });
	EXPECT_EQ(Start(), 0);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

class OldHostTest : public EntryTest
{
protected:
	OldHostTest() : EntryTest(headless::HostOptions { 23099, "en-US" }) { }
};

TEST_F(OldHostTest, RefusesAHostBelow23100)
{
	EXPECT_EQ(Init(), -3);
	EXPECT_EQ(Start(), 0);
	EXPECT_EQ(LoadResource(), -1);
	EXPECT_TRUE(host.console.lines.empty());
}

TEST_F(OldHostTest, ARefusedInitialisationStillCounts)
{
	EXPECT_EQ(Init(), -3);
	EXPECT_EQ(Init(), 1); // counted: a second action 1 is not checked
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(End(), 1);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

TEST(HostVersion, Accepts23100)
{
	PluginFolder folder;
	headless::Host host(headless::HostOptions { 23100, "en-US" });
	std::string reason;
	ASSERT_TRUE(host.Start(folder.Module(), reason)) << reason;
	EXPECT_EQ(host.Started().init, 1);
}

class MissingResourcesTest : public EntryTest
{
protected:
	MissingResourcesTest() : EntryTest({}, PluginLayout { false, false, false }) { }
};

TEST_F(MissingResourcesTest, ReportsTheMissingResourceEveryTimeItIsAsked)
{
	EXPECT_EQ(Init(), 1);
	EXPECT_EQ(LoadResource(), -1);
	EXPECT_EQ(LoadResource(), -1);
	EXPECT_EQ(host.console.lines, (std::vector<std::string> { NO_RESOURCE, NO_RESOURCE }));
	// Without its description the object cannot be registered.
	EXPECT_EQ(Start(), 0);
	EXPECT_EQ(host.console.lines.back(), NOT_LOADED);
	EXPECT_EQ(RegisteredObjects(), 0u);
	EXPECT_EQ(End(), 1);
}

} // namespace
} // namespace tests
