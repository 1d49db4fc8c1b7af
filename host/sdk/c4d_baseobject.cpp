#include "c4d_baseobject.h"

#include "c4d_os_access.h"

using c4d_sdk::AtomHandle;
using c4d_sdk::OS;

BaseObject* BaseObject::Alloc(Int32 type)
{
	return reinterpret_cast<BaseObject*>(OS().objects->alloc(type));
}

void BaseObject::Free(BaseObject*& op)
{
	OS().objects->free(AtomHandle(op));
	op = nullptr;
}

// The host stores each point as three doubles, which is exactly a Vector.
Vector* PointObject::GetPointW()
{
	return reinterpret_cast<Vector*>(OS().objects->get_points(AtomHandle(this)));
}

const Vector* PointObject::GetPointR() const
{
	return reinterpret_cast<const Vector*>(OS().objects->get_points(AtomHandle(this)));
}

Int32 PointObject::GetPointCount() const
{
	return OS().objects->get_point_count(AtomHandle(this));
}

SplineObject* SplineObject::Alloc(Int32 pcnt, SPLINETYPE type)
{
	return reinterpret_cast<SplineObject*>(OS().objects->alloc_spline(pcnt, static_cast<int32_t>(type)));
}
