// The host's own objects and actions: defaults of new host objects, the
// menu, moving, and the messages the module sends recorded per object.
#include "headless/host_objects.h"
#include "tests/headless/module_double.h"

namespace tests
{
namespace
{

using namespace headless;

class HostActions : public ModuleDouble
{
protected:
	void TearDown() override { EXPECT_TRUE(host.protocol.Clean()) << FirstFault(); }
};

Container Entries(std::initializer_list<std::pair<std::int32_t, Value>> entries)
{
	Container container;
	for (const auto& [id, value] : entries)
		container.Set(id, value);
	return container;
}

TEST_F(HostActions, NewHostObjectsHaveTheHostsDefaultsAndNoOtherEntries)
{
	ModuleCall call(host.undo, "message 18");
	EXPECT_EQ(Alloc(OBJECT_EXTRUDE)->data,
		Entries({ { 1002, Vector3 { 0.0, 0.0, 20.0 } }, { 2000, std::int32_t { 1 } }, { 2001, std::int32_t { 1 } }, { 2999, true }, { 3000, true },
			{ 3021, 0.0 }, { 3035, 0.0 }, { 5000, true } }));
	EXPECT_EQ(Alloc(OBJECT_CLONER)->data, Entries({ { 2010, std::int32_t { 1 } }, { 1270, std::int32_t { 3 } } }));
	EXPECT_EQ(Alloc(OBJECT_WRAP)->data, Container());
	EXPECT_EQ(Alloc(OBJECT_NULL)->data, Container());
	EXPECT_EQ(Alloc(12345)->data, Container());

	C4DOS_Atom* spline = os.objects->alloc(OBJECT_SPLINE);
	EXPECT_EQ(Of(spline)->data, Entries({ { 1002, true } }));
	ASSERT_EQ(os.objects->get_point_count(spline), 4);
	const double* points = os.objects->get_points(spline);
	EXPECT_EQ(Of(spline)->splineType, 0);
	EXPECT_EQ(points[0], -points[6]) << "a square around the origin";
	EXPECT_EQ(points[1], -points[7]);
	EXPECT_LT(points[0], 0.0);
}

TEST_F(HostActions, TheMenuNamesAndInsertsAtTheTopAsOneStep)
{
	Object* first = FromMenu(OBJECT_CLONER, "c");
	Object* second = FromMenu(OBJECT_EXTRUDE, "e");
	EXPECT_EQ(document->roots, (std::vector<Object*> { second, first }));
	EXPECT_EQ(second->name, "e");
	EXPECT_EQ(second->data.Get(2000), Value(std::int32_t { 1 }));
	EXPECT_EQ(host.undo.Steps(*document), 2u);
}

TEST_F(HostActions, AnObjectCannotMoveUnderItselfOrIntoAnotherDocument)
{
	const auto [parent, child] = ParentAndChild();
	EXPECT_FALSE(host.MoveObject(parent, parent));
	EXPECT_FALSE(host.MoveObject(parent, child));
	Document* other = host.NewDocument();
	Object* stranger = host.NewObjectFromMenu(other, OBJECT_NULL, "s");
	EXPECT_FALSE(host.MoveObject(child, stranger));
	EXPECT_EQ(child->parent, parent);
	EXPECT_EQ(host.undo.Steps(*document), 3u);
}

TEST_F(HostActions, AChainTwoHundredThousandDeepIsMovedUndoneReplayedAndDestroyed)
{
	// Deep enough that any walk of the hierarchy on the call stack overflows it.
	constexpr int DEPTH = 200000;
	Object* top = FromMenu(OBJECT_NULL, "top");
	Object* deepest = top;
	for (int i = 1; i < DEPTH; ++i)
	{
		Object* next = host.scene.NewObject(OBJECT_NULL);
		host.scene.InsertUnder(next, deepest, false);
		deepest = next;
	}
	Object* holder = FromMenu(OBJECT_NULL, "holder");
	const std::size_t steps = host.undo.Steps(*document);

	ASSERT_TRUE(host.MoveObject(top, holder));
	EXPECT_FALSE(host.MoveObject(holder, deepest));
	EXPECT_EQ(deepest->document, document);
	ASSERT_TRUE(host.undo.TakeBack(*document));
	EXPECT_EQ(top->parent, nullptr);
	EXPECT_EQ(deepest->document, document);
	ASSERT_TRUE(host.undo.Replay(*document));
	EXPECT_EQ(top->parent, holder);
	EXPECT_EQ(host.undo.Steps(*document), steps + 1);
	// As when the module frees it: out of the tree, out of the history, destroyed.
	host.scene.Remove(holder);
	EXPECT_EQ(deepest->document, nullptr);
	host.undo.Forget(*holder);
	const AtomId deepestId = deepest->Id();
	host.scene.DestroyObject(holder);
	EXPECT_EQ(host.scene.FindId(deepestId), nullptr);
	EXPECT_EQ(host.undo.Steps(*document), 0u) << "every step held only the chain and the holder";
}

TEST_F(HostActions, MessagesTheModuleSendsAreRecordedPerObjectInOrder)
{
	Object* a = FromMenu(OBJECT_NULL, "a");
	Object* b = FromMenu(OBJECT_NULL, "b");
	os.atoms->message(H(a), 5, nullptr);
	os.atoms->message(H(b), 7, nullptr);
	os.atoms->message(H(a), 7, nullptr);
	host.SetParameter(a, 1, true); // the host's own message 17 is not the module's
	EXPECT_EQ(a->messages, (std::vector<std::int32_t> { 5, 7 }));
	EXPECT_EQ(b->messages, (std::vector<std::int32_t> { 7 }));
}

} // namespace
} // namespace tests
