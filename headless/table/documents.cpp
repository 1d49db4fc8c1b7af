// Documents: insertion into the scene, the plane for new splines, undo.
#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

void InsertObject(C4DOS_Atom* doc, C4DOS_Atom* handle, C4DOS_Atom* parent, C4DOS_Atom* pred, C4DOS_Bool) noexcept
{
	GuardVoid("documents.insert_object", [&] {
		const char* entry = "documents.insert_object";
		Document* document = CheckDocument(doc, entry);
		Object* object = CheckObject(handle, entry);
		Object* under = CheckOptionalObject(parent, entry);
		Object* after = CheckOptionalObject(pred, entry);
		if (!document || !object || (parent && !under) || (pred && !after))
			return;
		if (object->inTree)
			H().protocol.Fault(entry, "the object is already in a tree");
		else if (object->cacheOwner)
			H().protocol.Fault(entry, "a cached contour, which the host owns");
		else if ((under && under->document != document) || (after && after->document != document))
			H().protocol.Fault(entry, "the parent or predecessor lies in another document");
		else if (after && after->parent != under)
			H().protocol.Fault(entry, "the predecessor is not a child of the parent");
		else if (under && (under == object || H().scene.IsAncestor(object, under)))
			H().protocol.Fault(entry, "an object under itself");
		else
		{
			H().scene.InsertAt(document, object, under, after);
			H().undo.NoteInsertion(*object, entry);
		}
	});
}

int32_t GetSplinePlane(const C4DOS_Atom* doc) noexcept
{
	return Guard("documents.get_spline_plane", int32_t { 0 }, [&]() -> int32_t {
		Document* document = CheckDocument(doc, "documents.get_spline_plane");
		return document ? document->splinePlane : 0;
	});
}

C4DOS_Bool StartUndo(C4DOS_Atom* doc) noexcept
{
	return Guard("documents.start_undo", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Document* document = CheckDocument(doc, "documents.start_undo");
		return document && H().undo.StartGroup(*document);
	});
}

C4DOS_Bool EndUndo(C4DOS_Atom* doc) noexcept
{
	return Guard("documents.end_undo", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Document* document = CheckDocument(doc, "documents.end_undo");
		return document && H().undo.EndGroup(*document, "documents.end_undo");
	});
}

C4DOS_Bool AddUndo(C4DOS_Atom* doc, int32_t type, C4DOS_Atom* handle) noexcept
{
	return Guard("documents.add_undo", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Document* document = CheckDocument(doc, "documents.add_undo");
		Atom* atom = CheckAtom(handle, "documents.add_undo");
		if (!document || !atom)
			return 0;
		auto* object = AsObject(atom);
		if (!object)
		{
			if (type == UNDOTYPE_NEWOBJ)
				H().protocol.Fault("documents.add_undo", "NEWOBJ for an object that is not in the document");
			return 0;
		}
		return H().undo.Record(*document, type, *object, "documents.add_undo");
	});
}

C4DOS_Bool DoUndo(C4DOS_Atom* doc, C4DOS_Bool) noexcept
{
	return Guard("documents.do_undo", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Document* document = CheckDocument(doc, "documents.do_undo");
		return document && H().undo.TakeBack(*document);
	});
}

const C4DOS_Documents ENTRIES = { &InsertObject, &GetSplinePlane, &StartUndo, &EndUndo, &AddUndo, &DoUndo };

} // namespace

const C4DOS_Documents* DocumentEntries()
{
	return &ENTRIES;
}

} // namespace headless
