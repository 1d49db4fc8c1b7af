// The document: the scene that holds objects, and its undo.
#ifndef C4D_BASEDOCUMENT_H__
#define C4D_BASEDOCUMENT_H__

#include "c4d_baseobject.h"

enum class UNDOTYPE : Int32
{
	NONE = 0,
	CHANGE = 40,
	CHANGE_NOCHILDREN = 41,
	CHANGE_SMALL = 42,
	NEWOBJ = 44,
	DELETEOBJ = 45
};

class BaseDocument : public BaseList2D
{
public:
	void InsertObject(BaseObject* op, BaseObject* parent, BaseObject* pred, Bool checknames = false);
	Bool StartUndo();
	Bool EndUndo();
	Bool AddUndo(UNDOTYPE type, void* data, Bool allowFromThread = false);
	Bool DoUndo(Bool multiple = false);
	Int32 GetSplinePlane();
};

#endif
