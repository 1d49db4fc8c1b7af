// A stand-in for a module: it calls the host's table as a module would,
// inside a call from the host, so that tests can make the module's moves,
// right and wrong, one by one.
#ifndef TESTS_HEADLESS_MODULE_DOUBLE_H
#define TESTS_HEADLESS_MODULE_DOUBLE_H

#include <gtest/gtest.h>

#include <string>

#include "headless/host.h"
#include "headless/host_objects.h"

namespace tests
{

class ModuleDouble : public ::testing::Test
{
protected:
	headless::Host host;
	const C4D_OS& os = *host.Table();
	headless::Document* document = host.NewDocument();
	C4DOS_Atom* doc = headless::HandleOf(document);

	std::string FirstFault() const { return host.protocol.First().value_or(""); }

	// An object the host's menu made, at the top of the document.
	headless::Object* FromMenu(std::int32_t type, const std::string& name) { return host.NewObjectFromMenu(document, type, name); }

	// A null "p" the host made, with a null "c" under it.
	struct Family
	{
		headless::Object* parent;
		headless::Object* child;
	};
	Family ParentAndChild()
	{
		Family family { FromMenu(headless::OBJECT_NULL, "p"), FromMenu(headless::OBJECT_NULL, "c") };
		EXPECT_TRUE(host.MoveObject(family.child, family.parent));
		return family;
	}

	// The module allocates an object of `type`.
	headless::Object* Alloc(std::int32_t type) { return Of(os.objects->alloc(type)); }
	// The module puts a new object at the top of the document and records it.
	headless::Object* Insert(std::int32_t type)
	{
		headless::Object* object = Alloc(type);
		os.documents->insert_object(doc, H(object), nullptr, nullptr, 0);
		os.documents->add_undo(doc, headless::UNDOTYPE_NEWOBJ, H(object));
		return object;
	}
	// The module writes an Int32 into the object's live container.
	void SetInt(headless::Object* object, std::int32_t id, std::int32_t number)
	{
		C4DOS_Value value {};
		value.type = C4DOS_VALUE_INT32;
		value.int32 = number;
		os.containers->set(*os.atoms->get_data_instance(H(object)), id, &value);
	}
	void Record(std::int32_t type, headless::Object* object) { os.documents->add_undo(doc, type, H(object)); }
	// The module's rule for moving an object under a new parent, first child.
	void MoveUnder(headless::Object* object, headless::Object* parent)
	{
		Record(headless::UNDOTYPE_CHANGE, object);
		os.atoms->remove(H(object));
		Record(headless::UNDOTYPE_CHANGE, object);
		os.atoms->insert_under(H(object), H(parent));
	}

	static C4DOS_Atom* H(headless::Object* object) { return headless::HandleOf(object); }
	static headless::Object* Of(C4DOS_Atom* handle) { return static_cast<headless::Object*>(reinterpret_cast<headless::Atom*>(handle)); }
};

} // namespace tests

#endif
