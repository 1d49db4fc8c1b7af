// GeData (one parameter value) and description IDs.
#ifndef C4D_GEDATA_H__
#define C4D_GEDATA_H__

#include <cstddef>

#include "c4d_string.h"
#include "c4d_os.h"

namespace c4d_sdk
{
struct Access;
}

class BaseList2D;

// Value kinds of GeData, with the SDK's numbers.
enum
{
	DA_NIL = 0,
	DA_LONG = 15,
	DA_REAL = 19,
	DA_VECTOR = 23,
	DA_STRING = 130,
	DA_ALIASLINK = 133
};

class GeData
{
public:
	GeData() = default;
	GeData(Int32 value) : _type(DA_LONG), _int32(value) { }
	GeData(Float value) : _type(DA_REAL), _float(value) { }
	GeData(const Vector& value) : _type(DA_VECTOR), _vector(value) { }
	GeData(const maxon::String& value) : _type(DA_STRING), _string(value) { }

	Int32 GetType() const { return _type; }
	Bool GetBool() const { return GetInt32() != 0; }
	Int32 GetInt32() const;
	Float GetFloat() const;
	// The vector; (0, 0, 0) for any other kind.
	const Vector& GetVector() const { return _vector; }
	const String& GetString() const { return _string; }
	BaseList2D* GetLink() const { return _type == DA_ALIASLINK ? _link : nullptr; }

private:
	Int32 _type = DA_NIL;
	Int32 _int32 = 0;
	Float _float = 0.0;
	Vector _vector;
	String _string;
	BaseList2D* _link = nullptr;

	friend struct c4d_sdk::Access;
};

struct DescLevel
{
	Int32 id = 0;
	Int32 dtype = 0;
	Int32 creator = 0;

	DescLevel() = default;
	DescLevel(Int32 t_id, Int32 t_datatype = 0, Int32 t_creator = 0) : id(t_id), dtype(t_datatype), creator(t_creator) { }
};

// A parameter's address: up to seven levels, the first being the parameter ID.
class DescID
{
public:
	DescID() = default;
	DescID(Int32 id) : _depth(1) { _levels[0] = DescLevel(id); }
	DescID(const DescLevel& level) : _depth(1) { _levels[0] = level; }

	Int32 GetDepth() const { return _depth; }
	const DescLevel& operator[](Int32 pos) const { return _levels[pos]; }

private:
	Int32 _depth = 0;
	DescLevel _levels[C4DOS_DESCID_MAXDEPTH];
};

// Message data as the host sends it: layouts fixed by the host's table.
struct DescriptionCommand
{
	DescID _descId;
};

class BaseDocument;

struct DescriptionCheckUpdate
{
	BaseDocument* doc;
	Int32 drawflags;
	const DescID* descid;
};

static_assert(sizeof(DescLevel) == sizeof(C4DOS_DescLevel), "DescLevel has the host's layout");
static_assert(sizeof(DescID) == sizeof(C4DOS_DescID), "DescID has the host's layout");
static_assert(sizeof(DescriptionCommand) == sizeof(C4DOS_DescriptionCommand), "DescriptionCommand has the host's layout");
static_assert(sizeof(DescriptionCheckUpdate) == sizeof(C4DOS_DescriptionCheckUpdate), "DescriptionCheckUpdate has the host's layout");
static_assert(offsetof(DescriptionCheckUpdate, descid) == offsetof(C4DOS_DescriptionCheckUpdate, descid), "descid is the third field");

#endif
