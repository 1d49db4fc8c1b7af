// ObjectData: the data class of an object plug-in, and its registration.
#ifndef C4D_OBJECTDATA_H__
#define C4D_OBJECTDATA_H__

#include "c4d_basebitmap.h"
#include "c4d_basedocument.h"
#include "c4d_nodedata.h"

enum
{
	OBJECT_MODIFIER = 1 << 0,
	OBJECT_HIERARCHYMODIFIER = 1 << 1,
	OBJECT_GENERATOR = 1 << 2,
	OBJECT_INPUT = 1 << 3,
	OBJECT_PARTICLEMODIFIER = 1 << 5,
	OBJECT_NOCACHESUB = 1 << 6,
	OBJECT_ISSPLINE = 1 << 7
};

enum class PLUGINTYPE : Int32
{
	ANY = 0,
	SHADER = 1,
	MATERIAL = 2,
	COMMAND = 4,
	OBJECT = 5,
	TAG = 6
};

class ObjectData : public NodeData
{
public:
	// A generator's output object; called only with OBJECT_GENERATOR.
	virtual BaseObject* GetVirtualObjects(BaseObject* op, HierarchyHelp* hh) { (void)op; (void)hh; return nullptr; }
	// A spline generator's spline; called only with OBJECT_ISSPLINE. The host owns the result.
	virtual SplineObject* GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt)
	{
		(void)op; (void)doc; (void)lod; (void)bt;
		return nullptr;
	}
	// Called before each evaluation: an object that depends on others calls
	// op->SetDirty(DIRTYFLAGS::DATA) when they changed, to be rebuilt.
	virtual void CheckDirty(BaseObject* op, BaseDocument* doc) { (void)op; (void)doc; }
};

// Registers the description `description` (unless empty), then the object
// type with the handlers that `info` selects. The host copies the icon.
Bool RegisterObjectPlugin(Int32 id, const maxon::String& str, Int32 info, DataAllocator* g, const maxon::String& description, BaseBitmap* icon, Int32 disklevel);

#endif
