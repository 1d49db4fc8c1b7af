// The host's scene nodes: C4DAtom, GeListNode, BaseList2D.
//
// These classes hold no data on the module's side: a pointer to one of them
// is the host's handle, and every method forwards to the host's table.
#ifndef C4D_BASELIST_H__
#define C4D_BASELIST_H__

#include "c4d_basecontainer.h"
#include "c4d_string.h"

class BaseDocument;

// Messages an atom receives or sends.
enum
{
	MSG_POINTS_CHANGED = 1,
	MSG_UPDATE = 5,
	MSG_CHANGE = 7,
	MSG_DESCRIPTION_CHECKUPDATE = 17,
	MSG_DESCRIPTION_COMMAND = 18,
	MSG_DESCRIPTION_POSTSETPARAMETER = 19,
	MSG_MENUPREPARE = 22
};

// Type IDs the SDK names.
enum
{
	Obase = 5155,
	Ospline = 5101,
	Oextrude = 5116,
	Onull = 5140,
	Tpoint = 5600
};

// The parts of an object whose changes the host counts; they combine with |.
enum class DIRTYFLAGS : Int32
{
	NONE = 0,
	MATRIX = 1 << 1,
	DATA = 1 << 2,
	SELECT = 1 << 3,
	CACHE = 1 << 4,
	CHILDREN = 1 << 5,
	DESCRIPTION = 1 << 6,
	ALL = -1
};

constexpr DIRTYFLAGS operator|(DIRTYFLAGS a, DIRTYFLAGS b)
{
	return static_cast<DIRTYFLAGS>(static_cast<Int32>(a) | static_cast<Int32>(b));
}

class C4DAtomGoal
{
protected:
	C4DAtomGoal() = delete;
	~C4DAtomGoal() = delete;
};

class C4DAtom : public C4DAtomGoal
{
public:
	Int32 GetType() const;
	Bool IsInstanceOf(Int32 id) const;
	Bool Message(Int32 type, void* data = nullptr);
	// A checksum that grows with every change of the parts `flags` names.
	UInt32 GetDirty(DIRTYFLAGS flags) const;
};

class GeListNode : public C4DAtom
{
public:
	GeListNode* GetNext();
	GeListNode* GetPred();
	GeListNode* GetUp();
	GeListNode* GetDown();
	GeListNode* GetDownLast();
	void InsertUnder(GeListNode* parent);
	void InsertUnderLast(GeListNode* parent);
	void Remove();
	BaseDocument* GetDocument();
};

class BaseList2D : public GeListNode
{
public:
	BaseContainer GetData();
	void SetData(const BaseContainer& bc, Bool add = true);
	BaseContainer* GetDataInstance();
	const BaseContainer* GetDataInstance() const;
	String GetName() const;
	void SetName(const maxon::String& name);
};

#endif
