// Registration of the arrow object and the life of its instances.
#include <fstream>

#include "tests/support/module_test.h"

namespace tests
{
namespace
{

using RegistrationTest = ModuleTest;

TEST_F(RegistrationTest, RegistersTheArrowAsASplineGenerator)
{
	StartModule();
	const headless::RegisteredObject* arrow = host.plugins.FindObject(ARROW_ID);
	ASSERT_NE(arrow, nullptr);
	EXPECT_EQ(arrow->name, "Pointsmith");
	EXPECT_EQ(arrow->info, 132);
	EXPECT_EQ(arrow->descriptionName, "Opointsmith");
	EXPECT_EQ(arrow->disklevel, 0);
	EXPECT_EQ(arrow->iconSize, std::make_pair(64, 64));
	// Info 132 asks for both output handlers.
	EXPECT_NE(arrow->handlers.get_contour, nullptr);
	EXPECT_NE(arrow->handlers.get_virtual_objects, nullptr);
	EXPECT_EQ(host.console.lines, std::vector<std::string> { "Orvandale Software: Pointsmith successfully loaded." });
	// The module gave back its icon bitmap once the host had copied it, and
	// holds just two paths until its end: its own and its resource folder.
	EXPECT_EQ(host.bitmaps.Count(), 0u);
	EXPECT_EQ(host.paths.Count(), 2u);
}

TEST_F(RegistrationTest, RegistersWithoutAnIconWhenTheIconIsMissing)
{
	StartModule(PluginLayout { true, false, false });
	const headless::RegisteredObject* arrow = host.plugins.FindObject(ARROW_ID);
	ASSERT_NE(arrow, nullptr);
	EXPECT_FALSE(arrow->iconSize.has_value());
	EXPECT_EQ(host.bitmaps.Count(), 0u);
}

TEST_F(RegistrationTest, RegistersWithoutAnIconWhenTheIconIsNoImage)
{
	folder.emplace();
	std::ofstream(folder->Resources() / "pointsmith.tif") << "not an image";
	std::string reason;
	ASSERT_TRUE(host.Start(folder->Module(), reason)) << reason;
	EXPECT_FALSE(host.plugins.FindObject(ARROW_ID)->iconSize.has_value());
}

TEST_F(RegistrationTest, RegistersWithoutAnIconWhenNoBitmapCanBeHad)
{
	folder.emplace();
	host.faults.Fail("bitmaps.alloc", 1);
	std::string reason;
	ASSERT_TRUE(host.Start(folder->Module(), reason)) << reason;
	EXPECT_FALSE(host.plugins.FindObject(ARROW_ID)->iconSize.has_value());
}

TEST_F(RegistrationTest, FailsToStartWhenTheDescriptionIsMalformed)
{
	folder.emplace();
	std::ofstream(folder->Resources() / "description" / "Opointsmith.res") << "CONTAINER Opointsmith {\n NAME Opointsmith;\n REAL ARROW_SHAFT_LENGTH {";
	std::string reason;
	EXPECT_FALSE(host.Start(folder->Module(), reason));
	EXPECT_EQ(host.Started().start, 0);
	EXPECT_EQ(host.console.lines, std::vector<std::string> { "Orvandale Software: Failed to load Pointsmith." });
	ASSERT_FALSE(host.diagnostics.empty());
	EXPECT_NE(host.diagnostics.front().find("description/Opointsmith.res:3"), std::string::npos) << host.diagnostics.front();
	EXPECT_EQ(host.plugins.FindObject(ARROW_ID), nullptr);
}

TEST_F(RegistrationTest, ArrowsLiveInHostMemory)
{
	StartModule();
	const std::size_t blocks = host.memory.LiveBlocks();
	const std::size_t paths = host.paths.Count();
	headless::Object* arrow = host.NewPluginObject(ARROW_ID);
	ASSERT_NE(arrow, nullptr);
	EXPECT_EQ(host.memory.LiveBlocks(), blocks + 1);
	host.scene.DestroyObject(arrow);
	EXPECT_EQ(host.memory.LiveBlocks(), blocks);
	EXPECT_EQ(host.paths.Count(), paths);
}

TEST_F(RegistrationTest, NoArrowWithoutMemory)
{
	StartModule();
	host.faults.Fail("general.alloc", 1);
	EXPECT_EQ(host.NewPluginObject(ARROW_ID), nullptr);
	EXPECT_NE(host.NewPluginObject(ARROW_ID), nullptr);
}

} // namespace
} // namespace tests
