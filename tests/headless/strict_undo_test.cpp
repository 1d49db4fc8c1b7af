// The host's strict checks on what the module does with undo: every change
// to an object in a document covered by an earlier record of its step,
// groups closed before the module returns, NEWOBJ only for objects in the document.
#include <functional>

#include "headless/host_objects.h"
#include "tests/headless/module_double.h"

namespace tests
{
namespace
{

using namespace headless;

class StrictUndo : public ModuleDouble
{
protected:
	void ExpectClean() { EXPECT_TRUE(host.protocol.Clean()) << FirstFault(); }
};

TEST_F(StrictUndo, AGroupLeftOpenWhenTheModuleReturnsIsAFault)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		Record(UNDOTYPE_CHANGE, null);
		SetInt(null, 1, 1);
	}
	EXPECT_EQ(FirstFault(), "message 18: an undo group was left open");
	EXPECT_EQ(host.undo.Steps(*document), 2u) << "the host closed the group";
	EXPECT_FALSE(os.documents->end_undo(doc));
}

TEST_F(StrictUndo, AGroupMayStayOpenWhileTheModuleCallsItselfThroughTheHost)
{
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		{
			ModuleCall inner(host.undo, "message 5");
		}
		os.documents->end_undo(doc);
	}
	ExpectClean();
}

TEST_F(StrictUndo, NewObjForAnObjectOutsideTheDocumentIsAFault)
{
	ModuleCall call(host.undo, "message 18");
	Object* loose = Alloc(OBJECT_EXTRUDE);
	EXPECT_FALSE(os.documents->add_undo(doc, UNDOTYPE_NEWOBJ, H(loose)));
	EXPECT_EQ(FirstFault(), "documents.add_undo: NEWOBJ for an object that is not in the document");
	EXPECT_EQ(host.undo.Steps(*document), 0u);
}

TEST_F(StrictUndo, EveryWayOfChangingAnObjectNeedsARecord)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	C4DOS_Container* other = os.containers->alloc();
	C4DOS_Container* live = *os.atoms->get_data_instance(H(null));
	C4DOS_Value value {};
	value.type = C4DOS_VALUE_BOOL;
	const std::vector<std::pair<std::string, std::function<void()>>> changes = {
		{ "containers.set", [&] { os.containers->set(live, 1, &value); } },
		{ "containers.remove", [&] { os.containers->remove(live, 1); } },
		{ "containers.flush", [&] { os.containers->flush(live); } },
		{ "containers.copy", [&] { os.containers->copy(live, other); } },
		{ "containers.merge", [&] { os.containers->merge(live, other); } },
		{ "atoms.set_data", [&] { os.atoms->set_data(H(null), other, 0); } },
		{ "atoms.set_name", [&] { os.atoms->set_name(H(null), C4DOS_Text { "x", 1 }); } },
		{ "atoms.remove", [&] { os.atoms->remove(H(null)); } },
	};
	for (const auto& [entry, change] : changes)
	{
		const std::size_t before = host.protocol.All().size();
		{
			ModuleCall call(host.undo, "message 17");
			change();
		}
		ASSERT_EQ(host.protocol.All().size(), before + 1) << entry;
		EXPECT_EQ(host.protocol.All().back(), entry + ": an object of type 5140 in the document changed with no undo record covering it");
	}
	os.containers->free(other);
}

TEST_F(StrictUndo, ARecordOfTheObjectOrOfAnAncestorCoversItsChanges)
{
	const auto [parent, child] = ParentAndChild();
	ModuleCall call(host.undo, "message 18");
	os.documents->start_undo(doc);
	Record(UNDOTYPE_CHANGE, parent);
	SetInt(child, 1, 1);
	os.atoms->set_name(H(child), C4DOS_Text { "renamed", 7 });
	Object* fresh = Alloc(OBJECT_NULL);
	os.atoms->insert_under(H(fresh), H(child));
	SetInt(fresh, 1, 1);
	os.documents->end_undo(doc);
	ExpectClean();
}

TEST_F(StrictUndo, ChangeWithoutChildrenCoversTheObjectAlone)
{
	const auto [parent, child] = ParentAndChild();
	ModuleCall call(host.undo, "message 18");
	os.documents->start_undo(doc);
	Record(UNDOTYPE_CHANGE_NOCHILDREN, parent);
	SetInt(parent, 1, 1);
	ExpectClean();
	SetInt(child, 1, 1);
	EXPECT_EQ(FirstFault(), "containers.set: an object of type 5140 in the document changed with no undo record covering it");
	os.documents->end_undo(doc);
}

TEST_F(StrictUndo, ARecordOfAnEarlierStepCoversNothing)
{
	Object* null = FromMenu(OBJECT_NULL, "n");
	{
		ModuleCall call(host.undo, "message 18");
		os.documents->start_undo(doc);
		Record(UNDOTYPE_CHANGE, null);
		os.documents->end_undo(doc);
		SetInt(null, 1, 1);
	}
	EXPECT_EQ(host.protocol.All().size(), 1u);
	{
		ModuleCall call(host.undo, "message 18");
		Record(UNDOTYPE_CHANGE, null);
		SetInt(null, 1, 2);
	}
	EXPECT_EQ(host.protocol.All().size(), 1u) << "a single record covers what follows it in the same call";
	{
		ModuleCall call(host.undo, "message 18");
		SetInt(null, 1, 3);
	}
	EXPECT_EQ(host.protocol.All().size(), 2u) << "but not in the next call";
}

TEST_F(StrictUndo, AnObjectMovedByTheMovingRuleIsCoveredThroughout)
{
	Object* arrow = FromMenu(OBJECT_NULL, "a");
	Object* target = FromMenu(OBJECT_EXTRUDE, "e");
	ModuleCall call(host.undo, "message 18");
	os.documents->start_undo(doc);
	MoveUnder(arrow, target);
	SetInt(arrow, 2300, 1);
	os.documents->end_undo(doc);
	ExpectClean();
}

TEST_F(StrictUndo, AnObjectPutIntoTheDocumentNeedsARecordBeforeTheModuleReturns)
{
	{
		ModuleCall call(host.undo, "message 18");
		Object* object = Alloc(OBJECT_CLONER);
		os.documents->insert_object(doc, H(object), nullptr, nullptr, 0);
	}
	EXPECT_EQ(FirstFault(), "documents.insert_object: an object of type 1018544 was put into the document with no undo record covering it");
	{
		ModuleCall call(host.undo, "message 18");
		Object* extrude = Insert(OBJECT_EXTRUDE);
		Object* wrap = Alloc(OBJECT_WRAP);
		os.atoms->insert_under_last(H(wrap), H(extrude));
		os.documents->add_undo(doc, UNDOTYPE_NEWOBJ, H(wrap));
	}
	EXPECT_EQ(host.protocol.All().size(), 1u) << host.protocol.All().back();
}

TEST_F(StrictUndo, ObjectsOutsideTheDocumentChangeFreely)
{
	ModuleCall call(host.undo, "message 18");
	Object* parent = Alloc(OBJECT_EXTRUDE);
	Object* child = Alloc(OBJECT_NULL);
	SetInt(parent, 2000, 3);
	os.atoms->insert_under(H(child), H(parent));
	os.atoms->set_name(H(child), C4DOS_Text { "x", 1 });
	os.atoms->remove(H(child));
	os.objects->free(H(child));
	os.objects->free(H(parent));
	ExpectClean();
}

} // namespace
} // namespace tests
