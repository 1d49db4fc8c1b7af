// Plug-in data classes: BaseData and NodeData.
//
// The host creates a plug-in's data object through the allocator handed over
// at registration and calls these virtuals for the node it belongs to.
#ifndef C4D_NODEDATA_H__
#define C4D_NODEDATA_H__

#include "c4d_basecontainer.h"
#include "c4d_baselist.h"
#include "c4d_gedata.h"

#define INSTANCEOF(X, Y) \
public:                  \
	typedef Y SUPER;     \
                         \
private:

enum class DESCFLAGS_ENABLE : Int32
{
	NONE = 0
};

namespace c4d_sdk
{
struct NodeDataAccess;
}

class BaseData
{
public:
	virtual ~BaseData() = default;
};

class NodeData : public BaseData
{
public:
	// Called once for a new node; false fails its creation.
	virtual Bool Init(GeListNode* node) { (void)node; return true; }
	virtual void Free(GeListNode* node) { (void)node; }
	// Messages for the node; the answer matters only where the message says so.
	virtual Bool Message(GeListNode* node, Int32 type, void* data) { (void)node; (void)type; (void)data; return true; }
	// Whether a parameter is shown enabled in the attribute manager.
	virtual Bool GetDEnabling(GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags, const BaseContainer* itemdesc)
	{
		(void)node; (void)id; (void)t_data; (void)flags; (void)itemdesc;
		return true;
	}

	GeListNode* Get() const { return private_link; }

protected:
	GeListNode* private_link = nullptr;

	friend struct c4d_sdk::NodeDataAccess;
};

typedef NodeData* DataAllocator(void);

#endif
