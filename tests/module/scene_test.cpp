// The module in a scene the host drives: arrows made from the menu and edited
// in the attribute manager are undo steps, and undo keeps the arrow the
// module knows: its handle and its data stay the same object.
#include "tests/support/module_test.h"

namespace tests
{
namespace
{

constexpr std::int32_t ARROW_SHAFT_LENGTH = 10000;

class Scene : public ModuleTest
{
protected:
	void SetUp() override { StartModule(); }
	std::size_t Steps() const { return host.undo.Steps(*document); }
};

TEST_F(Scene, AnArrowFromTheMenuIsOneStepAndComesBackAsItself)
{
	headless::Object* arrow = NewArrow();
	void* data = arrow->pluginData;
	EXPECT_EQ(Steps(), 1u);
	ASSERT_TRUE(host.undo.TakeBack(*document));
	EXPECT_TRUE(document->roots.empty());
	ASSERT_TRUE(host.undo.Replay(*document));
	ASSERT_EQ(document->roots, std::vector<headless::Object*> { arrow });
	EXPECT_EQ(arrow->pluginData, data);
	EXPECT_TRUE(host.IsEnabled(arrow, ARROW_SHAFT_LENGTH));
}

TEST_F(Scene, AParameterSetInTheAttributeManagerIsOneStep)
{
	headless::Object* arrow = NewArrow();
	const headless::Container defaults = arrow->data;
	host.SetParameter(arrow, ARROW_SHAFT_LENGTH, 250.0);
	EXPECT_EQ(Steps(), 2u);
	ASSERT_TRUE(host.undo.TakeBack(*document));
	EXPECT_EQ(arrow->data, defaults);
	ASSERT_TRUE(host.undo.Replay(*document));
	EXPECT_EQ(arrow->data.Get(ARROW_SHAFT_LENGTH), headless::Value(250.0));
}

TEST_F(Scene, AnArrowUndoneAwayIsFreedByTheModuleAtShutdown)
{
	NewArrow();
	ASSERT_TRUE(host.undo.TakeBack(*document));
	host.Shutdown();
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
}

} // namespace
} // namespace tests
