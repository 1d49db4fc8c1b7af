// The arrow's messages where a script cannot reach: data the host leaves
// out, an arrow that lies in no document, and a host that runs out of
// objects halfway through a command. The host is strict throughout.
#include "headless/host_objects.h"
#include "tests/headless/scene_image.h"
#include "tests/support/module_test.h"

namespace tests
{
namespace
{

using headless::Link;
using headless::Object;

constexpr std::int32_t MSG_DESCRIPTION_CHECKUPDATE = 17;
constexpr std::int32_t MSG_DESCRIPTION_COMMAND = 18;
constexpr std::int32_t MSG_MENUPREPARE = 22;

constexpr std::int32_t SPLINEOBJECT_INTERPOLATION = 1001;
constexpr std::int32_t PRIM_PLANE = 2300;
constexpr std::int32_t ARROW_SHAFT_LENGTH = 10000;
constexpr std::int32_t ARROW_RESET = 10220;
constexpr std::int32_t ARROW_MAKE_EXTRUDE = 10280;
constexpr std::int32_t ARROW_MAKE_CLONER = 10310;
constexpr std::int32_t ARROW_CLONER_EXTRUDE = 10320;
constexpr std::int32_t ARROW_WRAP_EXTRUDE = 10390;
constexpr std::int32_t ARROW_WRAP_SPLINE = 10400;
constexpr std::int32_t ARROW_WRAP_OPTION = 10410;
constexpr std::int32_t ARROW_WRAP_SUBDIVIDE = 10420;
constexpr std::int32_t ARROW_MAKE_WRAP = 10430;

class ObjectMessages : public ModuleTest
{
protected:
	void SetUp() override
	{
		StartModule();
		arrow = NewArrow();
	}

	std::size_t Steps() const { return host.undo.Steps(*document); }

	// A wrap spline the arrow can build with.
	void LinkWrapSpline()
	{
		Object* curve = host.NewObjectFromMenu(document, headless::OBJECT_SPLINE, "curve");
		host.SetParameter(arrow, ARROW_WRAP_SPLINE, Link { curve->Id() });
	}

	Object* arrow = nullptr;
};

TEST_F(ObjectMessages, MessagesWithoutTheirDataAreIgnoredAndAnsweredTrue)
{
	host.SetParameter(arrow, ARROW_SHAFT_LENGTH, 250.0);
	const headless::Container before = arrow->data;
	for (std::int32_t type : { MSG_DESCRIPTION_CHECKUPDATE, MSG_DESCRIPTION_COMMAND, MSG_MENUPREPARE })
		EXPECT_TRUE(host.SendToPlugin(arrow, type, nullptr)) << "message " << type;

	// A parameter change that names no parameter.
	C4DOS_DescriptionCheckUpdate update {};
	update.doc = headless::HandleOf(document);
	EXPECT_TRUE(host.SendToPlugin(arrow, MSG_DESCRIPTION_CHECKUPDATE, &update));

	EXPECT_EQ(arrow->data, before);
	EXPECT_TRUE(arrow->messages.empty());
}

TEST_F(ObjectMessages, AnArrowInNoDocumentBuildsAndRecordsNothing)
{
	Object* loose = host.NewPluginObject(ARROW_ID);
	ASSERT_NE(loose, nullptr);
	Object* curve = host.NewObject(headless::OBJECT_SPLINE);
	loose->data.Set(ARROW_WRAP_SPLINE, Link { curve->Id() });
	loose->data.Set(ARROW_SHAFT_LENGTH, 250.0);
	const headless::Container before = loose->data;
	const auto image = ImageOf(*document);

	for (std::int32_t button : { ARROW_MAKE_EXTRUDE, ARROW_MAKE_CLONER, ARROW_MAKE_WRAP, ARROW_RESET })
		host.PressButton(loose, button);

	EXPECT_EQ(loose->data, before);
	EXPECT_TRUE(loose->children.empty());
	EXPECT_EQ(ImageOf(*document), image);
	EXPECT_EQ(Steps(), 1u);
	host.scene.DestroyObject(loose);
	host.scene.DestroyObject(curve);
}

TEST_F(ObjectMessages, AnArrowInNoDocumentLeavesItsDeformerAsItIs)
{
	Object* loose = host.NewPluginObject(ARROW_ID);
	ASSERT_NE(loose, nullptr);
	Object* deformer = host.NewObject(headless::OBJECT_WRAP);
	host.scene.InsertUnder(deformer, loose, false);

	host.SetParameter(loose, ARROW_WRAP_OPTION, false);
	host.SetParameter(loose, ARROW_WRAP_SUBDIVIDE, false);

	EXPECT_TRUE(deformer->data.Entries().empty());
	EXPECT_EQ(loose->data.Get(SPLINEOBJECT_INTERPOLATION), headless::Value(std::int32_t { 3 }));
	host.scene.DestroyObject(loose);
}

TEST_F(ObjectMessages, ABuildingCommandWithNoObjectFromTheHostChangesNothing)
{
	LinkWrapSpline();
	const auto image = ImageOf(*document);
	const std::size_t steps = Steps();
	for (std::int32_t button : { ARROW_MAKE_EXTRUDE, ARROW_MAKE_CLONER, ARROW_MAKE_WRAP })
	{
		host.faults.Fail("objects.alloc", 1);
		host.PressButton(arrow, button);
		EXPECT_EQ(ImageOf(*document), image) << "button " << button;
		EXPECT_EQ(Steps(), steps) << "button " << button;
	}
}

TEST_F(ObjectMessages, AWrapDeformerWithNoExtrudeObjectToGoIntoIsFreedAndNothingChanges)
{
	LinkWrapSpline();
	host.SetParameter(arrow, ARROW_WRAP_EXTRUDE, true);
	const auto image = ImageOf(*document);
	const std::size_t steps = Steps();
	const std::uint64_t destroyed = host.scene.Generation();

	// The deformer comes first; the extrude object meant to hold it fails.
	host.faults.Fail("objects.alloc", 2);
	host.PressButton(arrow, ARROW_MAKE_WRAP);

	EXPECT_EQ(ImageOf(*document), image);
	EXPECT_EQ(Steps(), steps);
	EXPECT_EQ(host.scene.Generation(), destroyed + 1) << "the deformer is freed";
}

TEST_F(ObjectMessages, ACloneWithNoExtrudeObjectToGoIntoLeavesTheNewClonerAsOneStep)
{
	host.SetParameter(arrow, ARROW_CLONER_EXTRUDE, true);
	const auto image = ImageOf(*document);
	const std::size_t steps = Steps();

	host.faults.Fail("objects.alloc", 2);
	host.PressButton(arrow, ARROW_MAKE_CLONER);

	ASSERT_EQ(document->roots.size(), 2u);
	EXPECT_EQ(document->roots[0]->Type(), headless::OBJECT_CLONER);
	EXPECT_TRUE(document->roots[0]->children.empty());
	EXPECT_EQ(document->roots[1], arrow);
	EXPECT_EQ(arrow->data.Get(PRIM_PLANE), headless::Value(std::int32_t { 0 }));
	EXPECT_EQ(Steps(), steps + 1);
	ASSERT_TRUE(host.undo.TakeBack(*document));
	EXPECT_EQ(ImageOf(*document), image);
}

} // namespace
} // namespace tests
