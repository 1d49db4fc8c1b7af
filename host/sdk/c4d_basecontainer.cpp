#include "c4d_basecontainer.h"

#include "c4d_baseobject.h"
#include "c4d_memory.h"
#include "c4d_os_access.h"

using c4d_sdk::OS;

BaseContainer::BaseContainer() : _handle(OS().containers->alloc())
{
	if (!_handle)
		c4d_sdk::NoteHandleFailure();
}

BaseContainer::BaseContainer(const BaseContainer& source) : BaseContainer()
{
	if (_handle && source._handle)
		OS().containers->copy(_handle, source._handle);
}

BaseContainer& BaseContainer::operator=(const BaseContainer& source)
{
	if (this != &source && _handle && source._handle)
		OS().containers->copy(_handle, source._handle);
	return *this;
}

BaseContainer::~BaseContainer()
{
	OS().containers->free(_handle);
}

Bool BaseContainer::Read(Int32 id, C4DOS_Value& value) const
{
	// The host fills the record whole, absent entries included.
	value.type = C4DOS_VALUE_NONE;
	return _handle && OS().containers->get(_handle, id, &value) && value.type != C4DOS_VALUE_NONE;
}

void BaseContainer::Write(Int32 id, const C4DOS_Value& value)
{
	if (_handle)
		OS().containers->set(_handle, id, &value);
}

GeData BaseContainer::Entry(Int32 id) const
{
	C4DOS_Value value;
	if (!Read(id, value))
		return GeData();
	return c4d_sdk::Access::FromHost(value);
}

// Numeric entries read as any numeric kind, as in the host; other kinds give
// the preset. The hot getters read the host's record directly.
Bool BaseContainer::GetBool(Int32 id, Bool preset) const
{
	C4DOS_Value value;
	if (!Read(id, value))
		return preset;
	switch (value.type)
	{
		case C4DOS_VALUE_BOOL:
		case C4DOS_VALUE_INT32: return value.int32 != 0;
		case C4DOS_VALUE_FLOAT: return value.real != 0.0;
		default: return preset;
	}
}

Int32 BaseContainer::GetInt32(Int32 id, Int32 preset) const
{
	C4DOS_Value value;
	if (!Read(id, value))
		return preset;
	switch (value.type)
	{
		case C4DOS_VALUE_BOOL:
		case C4DOS_VALUE_INT32: return value.int32;
		case C4DOS_VALUE_FLOAT: return GeData(value.real).GetInt32();
		default: return preset;
	}
}

Float BaseContainer::GetFloat(Int32 id, Float preset) const
{
	C4DOS_Value value;
	if (!Read(id, value))
		return preset;
	switch (value.type)
	{
		case C4DOS_VALUE_FLOAT: return value.real;
		case C4DOS_VALUE_BOOL:
		case C4DOS_VALUE_INT32: return static_cast<Float>(value.int32);
		default: return preset;
	}
}

Vector BaseContainer::GetVector(Int32 id, const Vector& preset) const
{
	const GeData data = Entry(id);
	return data.GetType() == DA_VECTOR ? data.GetVector() : preset;
}

String BaseContainer::GetString(Int32 id, const maxon::String& preset) const
{
	const GeData data = Entry(id);
	return data.GetType() == DA_STRING ? data.GetString() : preset;
}

BaseList2D* BaseContainer::GetLink(Int32 id, const BaseDocument* doc, Int32 instanceof) const
{
	BaseList2D* link = Entry(id).GetLink();
	if (!link)
		return nullptr;
	// A link resolves only inside the document it is read against.
	if (link->GetDocument() != doc)
		return nullptr;
	if (instanceof != 0 && !link->IsInstanceOf(instanceof))
		return nullptr;
	return link;
}

BaseObject* BaseContainer::GetObjectLink(Int32 id, const BaseDocument* doc) const
{
	return static_cast<BaseObject*>(GetLink(id, doc, Obase));
}

void BaseContainer::SetBool(Int32 id, Bool value)
{
	C4DOS_Value v {};
	v.type = C4DOS_VALUE_BOOL;
	v.int32 = value ? 1 : 0;
	Write(id, v);
}

void BaseContainer::SetInt32(Int32 id, Int32 value)
{
	Write(id, c4d_sdk::Access::ToHost(GeData(value)));
}

void BaseContainer::SetFloat(Int32 id, Float value)
{
	Write(id, c4d_sdk::Access::ToHost(GeData(value)));
}

void BaseContainer::SetVector(Int32 id, const Vector& value)
{
	Write(id, c4d_sdk::Access::ToHost(GeData(value)));
}

void BaseContainer::SetString(Int32 id, const maxon::String& value)
{
	const GeData data(value);
	Write(id, c4d_sdk::Access::ToHost(data));
}

void BaseContainer::SetLink(Int32 id, C4DAtomGoal* link)
{
	C4DOS_Value v {};
	v.type = C4DOS_VALUE_LINK;
	v.link = reinterpret_cast<C4DOS_Atom*>(link);
	Write(id, v);
}

Bool BaseContainer::RemoveData(Int32 id)
{
	return _handle && OS().containers->remove(_handle, id);
}

void BaseContainer::FlushAll()
{
	if (_handle)
		OS().containers->flush(_handle);
}

void BaseContainer::MergeContainer(const BaseContainer& source)
{
	if (_handle && source._handle)
		OS().containers->merge(_handle, source._handle);
}

BaseContainer* BaseContainer::GetClone(COPYFLAGS, AliasTrans*) const
{
	return NewObj(BaseContainer, *this);
}
