// Undo and redo: host actions and the module's groups and records as steps,
// and every step taken back and replayed exactly, into the same objects.
#include "headless/host_objects.h"
#include "tests/headless/module_double.h"
#include "tests/headless/scene_image.h"

namespace tests
{
namespace
{

using namespace headless;

class Undo : public ModuleDouble
{
protected:
	void TearDown() override { EXPECT_TRUE(host.protocol.Clean()) << FirstFault(); }

	std::size_t Steps() const { return host.undo.Steps(*document); }
	bool TakeBack() { return host.undo.TakeBack(*document); }
	bool Replay() { return host.undo.Replay(*document); }
};

TEST_F(Undo, EachHostActionIsOneStepTakenBackAndReplayedExactly)
{
	std::vector<std::vector<ObjectImage>> images { ImageOf(*document) };
	Object* null = FromMenu(OBJECT_NULL, "n");
	images.push_back(ImageOf(*document));
	Object* extrude = FromMenu(OBJECT_EXTRUDE, "e");
	images.push_back(ImageOf(*document));
	FromMenu(OBJECT_SPLINE, "s");
	images.push_back(ImageOf(*document));
	ASSERT_TRUE(host.MoveObject(null, extrude));
	images.push_back(ImageOf(*document));
	host.SetParameter(extrude, 1002, Vector3 { 1.0, 2.0, 3.0 });
	images.push_back(ImageOf(*document));
	host.SetParameter(null, 7, Link { extrude->Id() });
	images.push_back(ImageOf(*document));
	ASSERT_TRUE(host.MoveObject(extrude, nullptr));
	images.push_back(ImageOf(*document));
	ASSERT_EQ(Steps(), images.size() - 1);

	for (std::size_t i = images.size() - 1; i > 0; --i)
	{
		ASSERT_TRUE(TakeBack());
		EXPECT_EQ(ImageOf(*document), images[i - 1]) << "undo down to step " << i - 1;
	}
	EXPECT_FALSE(TakeBack());
	for (std::size_t i = 1; i < images.size(); ++i)
	{
		ASSERT_TRUE(Replay());
		EXPECT_EQ(ImageOf(*document), images[i]) << "redo up to step " << i;
	}
	EXPECT_FALSE(Replay());
}

TEST_F(Undo, AGroupOfTheModuleIsOneStepRestoredIntoTheSameObjects)
{
	Object* arrow = FromMenu(OBJECT_NULL, "arrow");
	FromMenu(OBJECT_SPLINE, "s");
	const std::vector<ObjectImage> before = ImageOf(*document);

	Object* extrude = nullptr;
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		extrude = Insert(OBJECT_EXTRUDE);
		C4DOS_Container* copy = os.containers->alloc();
		os.atoms->get_data(H(extrude), copy);
		C4DOS_Value caps {};
		caps.type = C4DOS_VALUE_INT32;
		caps.int32 = 3;
		os.containers->set(copy, 2000, &caps);
		os.atoms->set_data(H(extrude), copy, 1);
		os.containers->free(copy);
		MoveUnder(arrow, extrude);
		C4DOS_Value link {};
		link.type = C4DOS_VALUE_LINK;
		link.link = H(extrude);
		os.containers->set(*os.atoms->get_data_instance(H(arrow)), 10350, &link);
		os.documents->end_undo(doc);
	}
	const std::vector<ObjectImage> after = ImageOf(*document);
	ASSERT_EQ(Steps(), 3u);

	for (int round = 0; round < 2; ++round)
	{
		ASSERT_TRUE(TakeBack());
		EXPECT_EQ(ImageOf(*document), before);
		EXPECT_FALSE(extrude->inTree);
		EXPECT_EQ(host.scene.Find(extrude), extrude) << "undone, the object stays the scene's for redo";
		ASSERT_TRUE(Replay());
		EXPECT_EQ(ImageOf(*document), after);
	}
	EXPECT_EQ(host.scene.FindId(std::get<Link>(arrow->data.Get(10350)).target), extrude);
	EXPECT_EQ(std::get<std::int32_t>(extrude->data.Get(2000)), 3);
}

TEST_F(Undo, EmptyGroupsMakeNoStepAndNestedGroupsMakeOne)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		os.documents->end_undo(doc);
	}
	EXPECT_EQ(Steps(), 1u);
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		os.documents->start_undo(doc);
		Record(UNDOTYPE_CHANGE, null);
		SetInt(null, 1, 1);
		os.documents->end_undo(doc);
		SetInt(null, 2, 2);
		os.documents->end_undo(doc);
	}
	EXPECT_EQ(Steps(), 2u);
	ASSERT_TRUE(TakeBack());
	EXPECT_TRUE(null->data.Entries().empty());
	EXPECT_TRUE(null->inTree);
}

TEST_F(Undo, ARecordOutsideAGroupIsAStepOfItsOwn)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	{
		ModuleCall call(host.undo, "message 18");
		Record(UNDOTYPE_CHANGE, null);
		SetInt(null, 1, 1);
		Record(UNDOTYPE_CHANGE, null);
		SetInt(null, 1, 2);
	}
	EXPECT_EQ(Steps(), 3u);
	ASSERT_TRUE(TakeBack());
	EXPECT_EQ(null->data.Get(1), Value(std::int32_t { 1 }));
	ASSERT_TRUE(TakeBack());
	EXPECT_TRUE(null->data.Entries().empty());
}

TEST_F(Undo, RecordsTheModuleMakesWhileTheHostActsJoinTheHostsStep)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	Object* other = FromMenu(OBJECT_NULL, "o");
	const std::vector<ObjectImage> before = ImageOf(*document);
	{
		UserAction action(host.undo, document);
		host.undo.Record(*document, UNDOTYPE_CHANGE, *null, "attribute manager");
		null->data.Set(5, true);
		ModuleCall call(host.undo, "message 17");
		os.documents->start_undo(doc);
		Record(UNDOTYPE_CHANGE, other);
		SetInt(other, 1, 1);
		os.documents->end_undo(doc);
		Record(UNDOTYPE_CHANGE, other);
		SetInt(other, 2, 2);
	}
	EXPECT_EQ(Steps(), 3u);
	ASSERT_TRUE(TakeBack());
	EXPECT_EQ(ImageOf(*document), before);
}

TEST_F(Undo, KeepsTheDocumentsDepthOfStepsAndDropsTheOldest)
{
	EXPECT_EQ(host.undo.Depth(*document), DEFAULT_UNDO_DEPTH);
	Object* null = FromMenu(OBJECT_NULL, "n");
	std::vector<std::vector<ObjectImage>> images;
	for (std::int32_t i = 0; i < 150; ++i)
	{
		host.SetParameter(null, 1, i);
		images.push_back(ImageOf(*document));
	}
	EXPECT_EQ(Steps(), DEFAULT_UNDO_DEPTH);
	while (TakeBack())
		;
	EXPECT_EQ(ImageOf(*document), images[150 - DEFAULT_UNDO_DEPTH - 1]) << "undo ends at the oldest step kept";
	EXPECT_EQ(host.undo.RedoSteps(*document), DEFAULT_UNDO_DEPTH);

	// A smaller depth drops at once: the oldest steps, and the redo steps farthest from the present.
	EXPECT_FALSE(host.undo.SetDepth(*document, 0));
	ASSERT_TRUE(host.undo.SetDepth(*document, 3));
	EXPECT_EQ(host.undo.RedoSteps(*document), 3u);
	while (Replay())
		;
	EXPECT_EQ(ImageOf(*document), images[150 - DEFAULT_UNDO_DEPTH + 2]);
	EXPECT_EQ(Steps(), 3u);
}

TEST_F(Undo, AModuleCallKeepsEveryLooseStepItMakesWhateverTheDepth)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	Object* other = FromMenu(OBJECT_NULL, "o");
	ASSERT_TRUE(host.undo.SetDepth(*document, 1));
	{
		ModuleCall call(host.undo, "message 18");
		Record(UNDOTYPE_CHANGE, null);
		Record(UNDOTYPE_CHANGE, other);
		SetInt(null, 1, 1); // covered by the first step alone
	}
	EXPECT_EQ(Steps(), 1u) << "the oldest dropped once the call returned";
	ASSERT_TRUE(TakeBack());
	EXPECT_EQ(null->data.Get(1), Value(std::int32_t { 1 }));
}

TEST_F(Undo, AMoveToWhereTheObjectIsMakesNoStep)
{
	const auto [parent, child] = ParentAndChild();
	const std::size_t steps = Steps();
	EXPECT_TRUE(host.MoveObject(child, parent));
	EXPECT_TRUE(host.MoveObject(parent, nullptr));
	EXPECT_EQ(Steps(), steps);
	Object* other = FromMenu(OBJECT_NULL, "o");
	EXPECT_TRUE(host.MoveObject(other, parent));
	EXPECT_TRUE(host.MoveObject(child, parent)) << "now second: the move makes it first";
	EXPECT_EQ(Steps(), steps + 3);
}

TEST_F(Undo, ChildrenPutUnderARecordedObjectLeaveWithUndo)
{
	Object* parent = ParentAndChild().parent;
	const std::vector<ObjectImage> before = ImageOf(*document);
	Object* fresh = nullptr;
	{
		ModuleCall call(host.undo, "message 18");
		Record(UNDOTYPE_CHANGE, parent);
		fresh = Alloc(OBJECT_SPLINE);
		os.atoms->insert_under(H(fresh), H(parent));
	}
	const std::vector<ObjectImage> after = ImageOf(*document);
	ASSERT_TRUE(TakeBack());
	EXPECT_EQ(ImageOf(*document), before);
	EXPECT_FALSE(fresh->inTree);
	ASSERT_TRUE(Replay());
	EXPECT_EQ(ImageOf(*document), after);
}

TEST_F(Undo, ChangeWithoutChildrenTakesBackTheObjectAlone)
{
	const auto [parent, child] = ParentAndChild();
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		Record(UNDOTYPE_CHANGE_NOCHILDREN, parent);
		SetInt(parent, 1, 1);
		os.atoms->set_name(H(parent), C4DOS_Text { "renamed", 7 });
		os.documents->end_undo(doc);
	}
	child->data.Set(9, true); // not the record's to take back
	ASSERT_TRUE(TakeBack());
	EXPECT_EQ(parent->name, "p");
	EXPECT_TRUE(parent->data.Entries().empty());
	EXPECT_EQ(child->parent, parent);
	EXPECT_EQ(child->data.Get(9), Value(true));
}

TEST_F(Undo, ADeletedObjectComesBackWithItsSubtree)
{
	Object* parent = FromMenu(OBJECT_NULL, "p");
	Object* child = FromMenu(OBJECT_SPLINE, "c");
	FromMenu(OBJECT_NULL, "first");
	ASSERT_TRUE(host.MoveObject(child, parent));
	const std::vector<ObjectImage> before = ImageOf(*document);
	{
		ModuleCall call(host.undo, "message 18");
		Record(UNDOTYPE_DELETEOBJ, parent);
		os.atoms->remove(H(parent));
	}
	ASSERT_EQ(document->roots.size(), 1u);
	ASSERT_TRUE(TakeBack());
	EXPECT_EQ(ImageOf(*document), before);
	ASSERT_TRUE(Replay());
	EXPECT_FALSE(parent->inTree);
	EXPECT_EQ(child->parent, parent);
}

TEST_F(Undo, AnInsertionUndoneStaysTheScenesUntilRedoCannotBringItBack)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	ASSERT_TRUE(TakeBack());
	EXPECT_TRUE(document->roots.empty());
	EXPECT_EQ(host.scene.Find(null), null);
	EXPECT_EQ(null->document, nullptr);
	ASSERT_TRUE(Replay());
	EXPECT_EQ(document->roots, std::vector<Object*> { null });
	EXPECT_EQ(null->name, "n");

	ASSERT_TRUE(TakeBack());
	FromMenu(OBJECT_NULL, "m");
	EXPECT_EQ(host.undo.RedoSteps(*document), 0u);
	EXPECT_FALSE(Replay());
}

TEST_F(Undo, AnObjectTheModuleFreesLeavesTheHistoryAndTheRestStays)
{
	const auto [parent, child] = ParentAndChild();
	Object* gone = nullptr;
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		gone = Insert(OBJECT_NULL);
		os.documents->end_undo(doc);
		os.documents->start_undo(doc);
		Record(UNDOTYPE_CHANGE, gone);
		os.atoms->remove(H(gone));
		Record(UNDOTYPE_CHANGE, parent);
		SetInt(parent, 1, 1);
		os.atoms->remove(H(child));
		os.documents->end_undo(doc);
		os.objects->free(H(gone));
		os.objects->free(H(child));
	}
	EXPECT_EQ(Steps(), 2u) << "only the steps of the parent are left: its making and the group";
	ASSERT_TRUE(TakeBack());
	EXPECT_TRUE(parent->data.Entries().empty());
	EXPECT_TRUE(parent->children.empty());
	EXPECT_EQ(document->roots, std::vector<Object*> { parent });
}

TEST_F(Undo, TheModuleCanTakeBackTheLastStep)
{
	FromMenu(OBJECT_NULL, "n");
	ModuleCall call(host.undo, "message 18");
	EXPECT_TRUE(os.documents->do_undo(doc, 0));
	EXPECT_TRUE(document->roots.empty());
	EXPECT_FALSE(os.documents->do_undo(doc, 0));
}

} // namespace
} // namespace tests
