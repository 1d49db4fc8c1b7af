#include "scene_editing.h"

Bool IsOfType(const BaseObject* op, Int32 type)
{
	return op && op->GetType() == type;
}

void MoveObjectUnder(BaseObject* op, BaseObject* parent, BaseDocument* doc, Bool last)
{
	doc->AddUndo(UNDOTYPE::CHANGE, op);
	op->Remove();
	doc->AddUndo(UNDOTYPE::CHANGE, op);
	if (last)
		op->InsertUnderLast(parent);
	else
		op->InsertUnder(parent);
}
