#include "c4d_objectdata.h"

#include "c4d_memory.h"
#include "c4d_os_access.h"
#include "c4d_resource.h"

using c4d_sdk::OS;

namespace c4d_sdk
{

// The handlers the host calls for an object plug-in: each turns the host's
// handles into the SDK's classes and calls the plug-in's virtual. Nothing
// thrown may cross back into the host.
struct NodeDataAccess
{
	static NodeData* Attach(void* data, C4DOS_Atom* node)
	{
		NodeData* nodeData = static_cast<NodeData*>(data);
		nodeData->private_link = reinterpret_cast<GeListNode*>(node);
		return nodeData;
	}

	static void* Alloc(void* context) noexcept
	{
		DataAllocator* allocator = reinterpret_cast<DataAllocator*>(context);
		return static_cast<void*>(allocator());
	}

	static void Free(void* data) noexcept
	{
		NodeData* nodeData = static_cast<NodeData*>(data);
		DeleteObj(nodeData);
	}

	static C4DOS_Bool Init(void* data, C4DOS_Atom* node) noexcept
	{
		return Attach(data, node)->Init(reinterpret_cast<GeListNode*>(node)) ? 1 : 0;
	}

	static C4DOS_Bool Message(void* data, C4DOS_Atom* node, int32_t type, void* messageData) noexcept
	{
		return Attach(data, node)->Message(reinterpret_cast<GeListNode*>(node), type, messageData) ? 1 : 0;
	}

	static C4DOS_Bool GetDEnabling(void* data, C4DOS_Atom* node, const C4DOS_DescID* id, const C4DOS_Value* value, int32_t flags,
		const C4DOS_Container* itemdesc) noexcept
	{
		const GeData current = value ? c4d_sdk::Access::FromHost(*value) : GeData();
		// The item description is a host container: a cell holding its handle is a BaseContainer.
		const C4DOS_Container* cell = itemdesc;
		const BaseContainer* description = itemdesc ? reinterpret_cast<const BaseContainer*>(&cell) : nullptr;
		return Attach(data, node)->GetDEnabling(reinterpret_cast<GeListNode*>(node), *reinterpret_cast<const DescID*>(id), current,
			static_cast<DESCFLAGS_ENABLE>(flags), description) ? 1 : 0;
	}

	static C4DOS_Atom* GetVirtualObjects(void* data, C4DOS_Atom* op, void* hh) noexcept
	{
		ObjectData* objectData = static_cast<ObjectData*>(Attach(data, op));
		return AtomHandle(objectData->GetVirtualObjects(reinterpret_cast<BaseObject*>(op), static_cast<HierarchyHelp*>(hh)));
	}

	static C4DOS_Atom* GetContour(void* data, C4DOS_Atom* op, C4DOS_Atom* doc, double lod, void* thread) noexcept
	{
		ObjectData* objectData = static_cast<ObjectData*>(Attach(data, op));
		return AtomHandle(objectData->GetContour(reinterpret_cast<BaseObject*>(op), reinterpret_cast<BaseDocument*>(doc), lod,
			static_cast<BaseThread*>(thread)));
	}

	static void CheckDirty(void* data, C4DOS_Atom* op, C4DOS_Atom* doc) noexcept
	{
		ObjectData* objectData = static_cast<ObjectData*>(Attach(data, op));
		objectData->CheckDirty(reinterpret_cast<BaseObject*>(op), reinterpret_cast<BaseDocument*>(doc));
	}
};

} // namespace c4d_sdk

Bool RegisterObjectPlugin(Int32 id, const maxon::String& str, Int32 info, DataAllocator* g, const maxon::String& description, BaseBitmap* icon, Int32 disklevel)
{
	if (description.IsPopulated() && !RegisterDescription(id, description))
		return false;

	using c4d_sdk::NodeDataAccess;
	C4DOS_ObjectPlugin plugin {};
	plugin.api_version = C4DOS_API_VERSION;
	plugin.id = id;
	plugin.name = c4d_sdk::ToText(str);
	plugin.info = info;
	plugin.description = c4d_sdk::ToText(description);
	plugin.icon = reinterpret_cast<const C4DOS_Bitmap*>(icon);
	plugin.disklevel = disklevel;
	plugin.context = reinterpret_cast<void*>(g);
	plugin.alloc = &NodeDataAccess::Alloc;
	plugin.free = &NodeDataAccess::Free;
	plugin.init = &NodeDataAccess::Init;
	plugin.message = &NodeDataAccess::Message;
	plugin.get_enabling = &NodeDataAccess::GetDEnabling;
	// The info flags choose which output handler the host will call.
	plugin.get_virtual_objects = (info & OBJECT_GENERATOR) ? &NodeDataAccess::GetVirtualObjects : nullptr;
	plugin.get_contour = (info & OBJECT_ISSPLINE) ? &NodeDataAccess::GetContour : nullptr;
	plugin.check_dirty = &NodeDataAccess::CheckDirty;
	return OS().plugins->register_object(&plugin) != 0;
}
