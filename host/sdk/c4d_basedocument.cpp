#include "c4d_basedocument.h"

#include "c4d_os_access.h"

using c4d_sdk::AtomHandle;
using c4d_sdk::OS;

void BaseDocument::InsertObject(BaseObject* op, BaseObject* parent, BaseObject* pred, Bool checknames)
{
	OS().documents->insert_object(AtomHandle(this), AtomHandle(op), AtomHandle(parent), AtomHandle(pred), checknames ? 1 : 0);
}

Bool BaseDocument::StartUndo()
{
	return OS().documents->start_undo(AtomHandle(this)) != 0;
}

Bool BaseDocument::EndUndo()
{
	return OS().documents->end_undo(AtomHandle(this)) != 0;
}

// `data` is the atom the step is for; undo steps are recorded on the calling thread only.
Bool BaseDocument::AddUndo(UNDOTYPE type, void* data, Bool)
{
	return OS().documents->add_undo(AtomHandle(this), static_cast<int32_t>(type), AtomHandle(data)) != 0;
}

Bool BaseDocument::DoUndo(Bool multiple)
{
	return OS().documents->do_undo(AtomHandle(this), multiple ? 1 : 0) != 0;
}

Int32 BaseDocument::GetSplinePlane()
{
	return OS().documents->get_spline_plane(AtomHandle(this));
}
