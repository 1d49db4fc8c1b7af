// The host as a validator: what a module passes it is checked before use,
// and every protocol fault is recorded instead of crashing the host.
#include <gtest/gtest.h>

#include "headless/host.h"

namespace headless
{
namespace
{

class TableChecks : public ::testing::Test
{
protected:
	Host host;
	const C4D_OS& os = *host.Table();

	std::string FirstFault() { return host.protocol.First().value_or(""); }
};

TEST_F(TableChecks, UnknownHandlesAreFaultsNotCrashes)
{
	int stranger = 0;
	auto* atom = reinterpret_cast<C4DOS_Atom*>(&stranger);
	EXPECT_EQ(os.atoms->get_type(atom), 0);
	EXPECT_EQ(os.atoms->get_up(atom), nullptr);
	EXPECT_EQ(os.atoms->get_data_instance(atom), nullptr);
	os.paths->set_string(reinterpret_cast<C4DOS_Path*>(&stranger), C4DOS_Text { "x", 1 });
	os.containers->set(reinterpret_cast<C4DOS_Container*>(&stranger), 1, nullptr);
	EXPECT_EQ(host.protocol.All().size(), 5u);
	EXPECT_EQ(FirstFault(), "atoms.get_type: unknown or freed atom handle");
}

TEST_F(TableChecks, FreedHandlesAreCaught)
{
	C4DOS_Path* path = os.paths->alloc();
	os.paths->free(path);
	os.paths->free(path);
	EXPECT_EQ(FirstFault(), "paths.free: unknown or freed path handle");
}

TEST_F(TableChecks, MemoryIsCountedAndCheckedOnRelease)
{
	void* block = os.general->alloc(16);
	ASSERT_NE(block, nullptr);
	EXPECT_EQ(host.memory.LiveBlocks(), 1u);
	os.general->free(block);
	EXPECT_EQ(host.memory.LiveBlocks(), 0u);
	EXPECT_TRUE(host.protocol.Clean());
	os.general->free(block);
	EXPECT_EQ(FirstFault(), "general.free: memory the host did not give out, or freed twice");
}

TEST_F(TableChecks, ALiveContainerIsNotTheModulesToFree)
{
	Object* object = host.scene.NewObject(5140);
	C4DOS_Container** cell = os.atoms->get_data_instance(HandleOf(object));
	ASSERT_NE(cell, nullptr);
	os.containers->free(*cell);
	EXPECT_EQ(FirstFault(), "containers.free: an atom's live container");
	host.scene.DestroyObject(object);
}

TEST_F(TableChecks, AnObjectInATreeCannotBeInsertedAgain)
{
	Document* document = host.NewDocument();
	Object* parent = host.scene.NewObject(5140);
	Object* child = host.scene.NewObject(5140);
	os.documents->insert_object(HandleOf(document), HandleOf(parent), nullptr, nullptr, 0);
	os.atoms->insert_under(HandleOf(child), HandleOf(parent));
	EXPECT_TRUE(host.protocol.Clean());
	os.atoms->insert_under(HandleOf(child), HandleOf(parent));
	EXPECT_EQ(FirstFault(), "atoms.insert_under: the object is already in a tree");
	EXPECT_EQ(parent->children.size(), 1u);
}

TEST_F(TableChecks, AnObjectCannotGoUnderItsOwnChild)
{
	Object* parent = host.scene.NewObject(5140);
	Object* child = host.scene.NewObject(5140);
	os.atoms->insert_under(HandleOf(child), HandleOf(parent));
	os.atoms->remove(HandleOf(parent));
	os.atoms->insert_under(HandleOf(parent), HandleOf(child));
	EXPECT_EQ(FirstFault(), "atoms.insert_under: an object under itself");
	host.scene.DestroyObject(parent);
}

TEST_F(TableChecks, AnUndoGroupCannotEndBeforeItBegins)
{
	Document* document = host.NewDocument();
	EXPECT_EQ(os.documents->end_undo(HandleOf(document)), 0);
	EXPECT_EQ(FirstFault(), "documents.end_undo: an undo group ended without being begun");
}

TEST_F(TableChecks, MalformedTextIsRefused)
{
	os.general->print(C4DOS_Text { nullptr, 4 });
	os.general->print(C4DOS_Text { "x", -1 });
	EXPECT_TRUE(host.console.lines.empty());
	EXPECT_EQ(host.protocol.All().size(), 2u);
}

TEST_F(TableChecks, LinksToObjectsThatAreGoneReadAsNoObject)
{
	Object* target = host.scene.NewObject(5101);
	C4DOS_Container* container = os.containers->alloc();
	C4DOS_Value link {};
	link.type = C4DOS_VALUE_LINK;
	link.link = HandleOf(target);
	os.containers->set(container, 7, &link);
	host.scene.DestroyObject(target);
	C4DOS_Value read {};
	EXPECT_TRUE(os.containers->get(container, 7, &read));
	EXPECT_EQ(read.type, C4DOS_VALUE_LINK);
	EXPECT_EQ(read.link, nullptr);
	os.containers->free(container);
	EXPECT_TRUE(host.protocol.Clean()) << FirstFault();
}

} // namespace
} // namespace headless
