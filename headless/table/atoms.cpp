// Atoms: type, messages, hierarchy, containers, names and dirtiness of objects and documents.
#include <algorithm>

#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

constexpr int32_t OBASE = 5155;
constexpr int32_t MSG_UPDATE = 5;

int32_t GetType(const C4DOS_Atom* handle) noexcept
{
	return Guard("atoms.get_type", int32_t { 0 }, [&]() -> int32_t {
		Atom* atom = CheckAtom(handle, "atoms.get_type");
		return atom ? atom->Type() : 0;
	});
}

C4DOS_Bool IsInstanceOf(const C4DOS_Atom* handle, int32_t type) noexcept
{
	return Guard("atoms.is_instance_of", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Atom* atom = CheckAtom(handle, "atoms.is_instance_of");
		if (!atom)
			return 0;
		return atom->Type() == type || (type == OBASE && AsObject(atom) != nullptr);
	});
}

C4DOS_Bool Message(C4DOS_Atom* handle, int32_t type, void* data) noexcept
{
	return Guard("atoms.message", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Atom* atom = CheckAtom(handle, "atoms.message");
		auto* object = AsObject(atom);
		if (!object)
			return atom ? 1 : 0;
		object->messages.push_back(type);
		// Told it was updated, the object counts as changed: its generator
		// is rebuilt, and whatever follows it sees the change.
		if (type == MSG_UPDATE)
			H().scene.Touch(*object, C4DOS_DIRTY_DATA);
		return H().SendToPlugin(object, type, data);
	});
}

// Runs a navigation step from a valid object.
template <typename STEP> C4DOS_Atom* Navigate(const char* entry, const C4DOS_Atom* handle, STEP&& step) noexcept
{
	return Guard(entry, static_cast<C4DOS_Atom*>(nullptr), [&]() -> C4DOS_Atom* {
		Object* object = CheckObject(handle, entry);
		return object ? HandleOf(step(*object)) : nullptr;
	});
}

C4DOS_Atom* GetUp(const C4DOS_Atom* node) noexcept
{
	return Navigate("atoms.get_up", node, [](Object& object) { return object.parent; });
}

C4DOS_Atom* GetDown(const C4DOS_Atom* node) noexcept
{
	return Navigate("atoms.get_down", node, [](Object& object) { return object.children.empty() ? nullptr : object.children.front(); });
}

C4DOS_Atom* GetDownLast(const C4DOS_Atom* node) noexcept
{
	return Navigate("atoms.get_down_last", node, [](Object& object) { return object.children.empty() ? nullptr : object.children.back(); });
}

C4DOS_Atom* GetNext(const C4DOS_Atom* node) noexcept
{
	return Navigate("atoms.get_next", node, [](Object& object) { return H().scene.Next(&object); });
}

C4DOS_Atom* GetPred(const C4DOS_Atom* node) noexcept
{
	return Navigate("atoms.get_pred", node, [](Object& object) { return H().scene.Pred(&object); });
}

void Insert(const char* entry, C4DOS_Atom* node, C4DOS_Atom* parent, bool last) noexcept
{
	GuardVoid(entry, [&] {
		Object* object = CheckObject(node, entry);
		Object* target = CheckObject(parent, entry);
		if (!object || !target)
			return;
		if (object->inTree)
			H().protocol.Fault(entry, "the object is already in a tree");
		else if (object->cacheOwner)
			H().protocol.Fault(entry, "a cached contour, which the host owns");
		else if (object == target || H().scene.IsAncestor(object, target))
			H().protocol.Fault(entry, "an object under itself");
		else
		{
			H().scene.InsertUnder(object, target, last);
			H().undo.NoteInsertion(*object, entry);
		}
	});
}

void InsertUnder(C4DOS_Atom* node, C4DOS_Atom* parent) noexcept
{
	Insert("atoms.insert_under", node, parent, false);
}

void InsertUnderLast(C4DOS_Atom* node, C4DOS_Atom* parent) noexcept
{
	Insert("atoms.insert_under_last", node, parent, true);
}

void Remove(C4DOS_Atom* node) noexcept
{
	GuardVoid("atoms.remove", [&] {
		if (Object* object = CheckObject(node, "atoms.remove"))
		{
			H().undo.CheckChange(*object, "atoms.remove");
			H().scene.Remove(object);
		}
	});
}

C4DOS_Atom* GetDocument(const C4DOS_Atom* node) noexcept
{
	return Guard("atoms.get_document", static_cast<C4DOS_Atom*>(nullptr), [&]() -> C4DOS_Atom* {
		Atom* atom = CheckAtom(node, "atoms.get_document");
		if (auto* document = AsDocument(atom))
			return HandleOf(document);
		auto* object = AsObject(atom);
		return object ? HandleOf(object->document) : nullptr;
	});
}

C4DOS_Container** GetDataInstance(C4DOS_Atom* handle) noexcept
{
	return Guard("atoms.get_data_instance", static_cast<C4DOS_Container**>(nullptr), [&]() -> C4DOS_Container** {
		Atom* atom = CheckAtom(handle, "atoms.get_data_instance");
		return atom ? &atom->cell : nullptr;
	});
}

void GetData(const C4DOS_Atom* handle, C4DOS_Container* container) noexcept
{
	GuardVoid("atoms.get_data", [&] {
		Atom* atom = CheckAtom(handle, "atoms.get_data");
		Container* target = CheckContainer(container, "atoms.get_data");
		if (atom && target && target != &atom->data)
			*target = atom->data;
	});
}

void SetData(C4DOS_Atom* handle, const C4DOS_Container* container, C4DOS_Bool merge) noexcept
{
	GuardVoid("atoms.set_data", [&] {
		Atom* atom = CheckAtom(handle, "atoms.set_data");
		Container* source = CheckContainer(container, "atoms.set_data");
		if (!atom || !source || source == &atom->data)
			return;
		if (auto* object = AsObject(atom))
			H().undo.CheckChange(*object, "atoms.set_data");
		if (merge)
			atom->data.Merge(*source);
		else
			atom->data = *source;
	});
}

void GetName(const C4DOS_Atom* handle, C4DOS_TextSink sink, void* context) noexcept
{
	GuardVoid("atoms.get_name", [&] {
		Atom* atom = CheckAtom(handle, "atoms.get_name");
		TextOut(atom ? atom->name : std::string(), sink, context, "atoms.get_name");
	});
}

void SetName(C4DOS_Atom* handle, C4DOS_Text name) noexcept
{
	GuardVoid("atoms.set_name", [&] {
		Atom* atom = CheckAtom(handle, "atoms.set_name");
		std::optional<std::string> text = TextIn(name, "atoms.set_name");
		if (!atom || !text)
			return;
		if (auto* object = AsObject(atom))
			H().undo.CheckChange(*object, "atoms.set_name");
		atom->name = std::move(*text);
	});
}

uint32_t GetDirty(const C4DOS_Atom* handle, int32_t flags) noexcept
{
	return Guard("atoms.get_dirty", uint32_t { 0 }, [&]() -> uint32_t {
		const Object* object = AsObject(CheckAtom(handle, "atoms.get_dirty"));
		if (!object)
			return 0;
		// Each part's value is the time of its last change: the latest of
		// the parts asked for grows with every change of any of them.
		std::uint32_t latest = 0;
		if (flags & C4DOS_DIRTY_MATRIX)
			latest = std::max(latest, object->dirty.matrix);
		if (flags & C4DOS_DIRTY_DATA)
			latest = std::max(latest, object->dirty.data);
		if (flags & C4DOS_DIRTY_CACHE)
			latest = std::max(latest, object->dirty.cache);
		return latest;
	});
}

const C4DOS_Atoms ENTRIES = { &GetType, &IsInstanceOf, &Message, &GetUp, &GetDown, &GetDownLast, &GetNext, &GetPred, &InsertUnder, &InsertUnderLast,
	&Remove, &GetDocument, &GetDataInstance, &GetData, &SetData, &GetName, &SetName, &GetDirty };

} // namespace

const C4DOS_Atoms* AtomEntries()
{
	return &ENTRIES;
}

} // namespace headless
