// BaseContainer: a parameter container held by the host.
//
// A BaseContainer value owns one host container. The live container of an
// object is the host's: BaseList2D::GetDataInstance() returns the host's cell
// for it, which has exactly a BaseContainer's layout (one handle), so the
// module never frees or replaces it. Assignment therefore copies entries into
// the existing handle instead of exchanging handles. A container the host
// had no memory for reads as empty and keeps nothing written to it; NewObj
// and GetClone hand out none.
#ifndef C4D_BASECONTAINER_H__
#define C4D_BASECONTAINER_H__

#include "c4d_string.h"
#include "c4d_gedata.h"
#include "c4d_os.h"

namespace c4d_sdk
{
struct Access;
}

class BaseDocument;
class BaseList2D;
class BaseObject;
class C4DAtomGoal;

class BaseContainer
{
public:
	BaseContainer();
	BaseContainer(const BaseContainer& source);
	BaseContainer& operator=(const BaseContainer& source);
	~BaseContainer();

	Bool GetBool(Int32 id, Bool preset = false) const;
	Int32 GetInt32(Int32 id, Int32 preset = 0) const;
	Float GetFloat(Int32 id, Float preset = 0.0) const;
	Vector GetVector(Int32 id, const Vector& preset = Vector()) const;
	String GetString(Int32 id, const maxon::String& preset = maxon::String()) const;
	// The linked object when it lies in `doc` and, with `instanceof`, is of that type.
	BaseList2D* GetLink(Int32 id, const BaseDocument* doc, Int32 instanceof = 0) const;
	BaseObject* GetObjectLink(Int32 id, const BaseDocument* doc) const;

	void SetBool(Int32 id, Bool value);
	void SetInt32(Int32 id, Int32 value);
	void SetFloat(Int32 id, Float value);
	void SetVector(Int32 id, const Vector& value);
	void SetString(Int32 id, const maxon::String& value);
	void SetLink(Int32 id, C4DAtomGoal* link);

	Bool RemoveData(Int32 id);
	void FlushAll();
	void MergeContainer(const BaseContainer& source);
	// A new container in host memory with the same entries; DeleteObj frees
	// it. Null when the host has no memory for it.
	BaseContainer* GetClone(COPYFLAGS flags, AliasTrans* trans) const;

private:
	// The entry as it is stored; an empty GeData when absent.
	GeData Entry(Int32 id) const;
	Bool Read(Int32 id, C4DOS_Value& value) const;
	void Write(Int32 id, const C4DOS_Value& value);

	C4DOS_Container* _handle;

	friend struct c4d_sdk::Access;
};

static_assert(sizeof(BaseContainer) == sizeof(C4DOS_Container*), "a live container is one host handle");

#endif
