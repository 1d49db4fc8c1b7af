#include "c4d_baselist.h"

#include "c4d_basedocument.h"
#include "c4d_os_access.h"

using c4d_sdk::AtomHandle;
using c4d_sdk::OS;

namespace
{

GeListNode* Node(C4DOS_Atom* atom)
{
	return reinterpret_cast<GeListNode*>(atom);
}

} // namespace

Int32 C4DAtom::GetType() const
{
	return OS().atoms->get_type(AtomHandle(this));
}

Bool C4DAtom::IsInstanceOf(Int32 id) const
{
	return OS().atoms->is_instance_of(AtomHandle(this), id) != 0;
}

Bool C4DAtom::Message(Int32 type, void* data)
{
	return OS().atoms->message(AtomHandle(this), type, data) != 0;
}

UInt32 C4DAtom::GetDirty(DIRTYFLAGS flags) const
{
	return OS().atoms->get_dirty(AtomHandle(this), static_cast<int32_t>(flags));
}

GeListNode* GeListNode::GetNext() { return Node(OS().atoms->get_next(AtomHandle(this))); }
GeListNode* GeListNode::GetPred() { return Node(OS().atoms->get_pred(AtomHandle(this))); }
GeListNode* GeListNode::GetUp() { return Node(OS().atoms->get_up(AtomHandle(this))); }
GeListNode* GeListNode::GetDown() { return Node(OS().atoms->get_down(AtomHandle(this))); }
GeListNode* GeListNode::GetDownLast() { return Node(OS().atoms->get_down_last(AtomHandle(this))); }

void GeListNode::InsertUnder(GeListNode* parent)
{
	OS().atoms->insert_under(AtomHandle(this), AtomHandle(parent));
}

void GeListNode::InsertUnderLast(GeListNode* parent)
{
	OS().atoms->insert_under_last(AtomHandle(this), AtomHandle(parent));
}

void GeListNode::Remove()
{
	OS().atoms->remove(AtomHandle(this));
}

BaseDocument* GeListNode::GetDocument()
{
	return reinterpret_cast<BaseDocument*>(OS().atoms->get_document(AtomHandle(this)));
}

BaseContainer BaseList2D::GetData()
{
	BaseContainer copy;
	if (c4d_sdk::Access::Container(copy))
		OS().atoms->get_data(AtomHandle(this), c4d_sdk::Access::Container(copy));
	return copy;
}

void BaseList2D::SetData(const BaseContainer& bc, Bool add)
{
	if (c4d_sdk::Access::Container(bc))
		OS().atoms->set_data(AtomHandle(this), c4d_sdk::Access::Container(bc), add ? 1 : 0);
}

BaseContainer* BaseList2D::GetDataInstance()
{
	return reinterpret_cast<BaseContainer*>(OS().atoms->get_data_instance(AtomHandle(this)));
}

const BaseContainer* BaseList2D::GetDataInstance() const
{
	return reinterpret_cast<const BaseContainer*>(OS().atoms->get_data_instance(AtomHandle(this)));
}

String BaseList2D::GetName() const
{
	return c4d_sdk::ReadText([this](C4DOS_TextSink sink, void* context) { OS().atoms->get_name(AtomHandle(this), sink, context); });
}

void BaseList2D::SetName(const maxon::String& name)
{
	OS().atoms->set_name(AtomHandle(this), c4d_sdk::ToText(name));
}
