#ifndef SCENE_EDITING_H__
#define SCENE_EDITING_H__

#include "c4d.h"

// Changing objects of a document so that the host's undo takes the change back.

// Whether `op` is an object of host type `type`; false for no object.
Bool IsOfType(const BaseObject* op, Int32 type);

// Moves `op` to the first (or, with `last`, the last) place under `parent`.
// The host wants a CHANGE record before the object leaves its place and
// another before it enters the new one.
void MoveObjectUnder(BaseObject* op, BaseObject* parent, BaseDocument* doc, Bool last = false);

// Edits the parameters of another object the way the host expects: `change`
// edits a copy of them and answers whether there is anything to write; the
// copy then goes back in merge mode, after a CHANGE record in `undoDoc`
// unless that is null (the object is covered by a record already). True when
// the object was written.
template <typename CHANGE>
Bool EditParameters(BaseObject* op, BaseDocument* undoDoc, CHANGE&& change)
{
	BaseContainer values = op->GetData();
	if (!change(values))
		return false;
	if (undoDoc)
		undoDoc->AddUndo(UNDOTYPE::CHANGE, op);
	op->SetData(values, true);
	return true;
}

#endif
