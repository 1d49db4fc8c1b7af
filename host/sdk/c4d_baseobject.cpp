#include "c4d_baseobject.h"

#include <cstddef>

#include "c4d_os_access.h"

using c4d_sdk::AtomHandle;
using c4d_sdk::OS;

static_assert(sizeof(Segment) == sizeof(C4DOS_Segment) && offsetof(Segment, closed) == offsetof(C4DOS_Segment, closed) && sizeof(Bool) == 1,
	"the host's segments are the SDK's");

namespace
{

const Segment* SegmentsOf(const void* object)
{
	return reinterpret_cast<const Segment*>(OS().objects->get_segments(AtomHandle(object)));
}

Int32 SegmentCountOf(const void* object)
{
	return OS().objects->get_segment_count(AtomHandle(object));
}

} // namespace

BaseObject* BaseObject::Alloc(Int32 type)
{
	return reinterpret_cast<BaseObject*>(OS().objects->alloc(type));
}

void BaseObject::Free(BaseObject*& op)
{
	OS().objects->free(AtomHandle(op));
	op = nullptr;
}

SplineObject* BaseObject::GetRealSpline(void)
{
	return reinterpret_cast<SplineObject*>(OS().objects->get_real_spline(AtomHandle(this)));
}

Matrix BaseObject::GetMg() const
{
	Matrix mg;
	OS().objects->get_mg(AtomHandle(this), reinterpret_cast<double*>(&mg));
	return mg;
}

void BaseObject::SetDirty(DIRTYFLAGS flags)
{
	OS().objects->set_dirty(AtomHandle(this), static_cast<int32_t>(flags));
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

const Segment* SplineObject::GetSegmentR(void)
{
	return SegmentsOf(this);
}

Int32 SplineObject::GetSegmentCount(void)
{
	return SegmentCountOf(this);
}

LineObject* SplineObject::GetLineObject(BaseDocument* doc, Float lod, BaseThread* thread)
{
	return reinterpret_cast<LineObject*>(OS().objects->get_line_object(AtomHandle(this), AtomHandle(doc), lod, thread));
}

Bool SplineObject::IsClosed(void)
{
	const BaseContainer* data = GetDataInstance();
	return data && data->GetBool(SPLINEOBJECT_CLOSED);
}

void LineObject::Free(LineObject*& bl)
{
	OS().objects->free(AtomHandle(bl));
	bl = nullptr;
}

const Segment* LineObject::GetSegmentR(void)
{
	return SegmentsOf(this);
}

Int32 LineObject::GetSegmentCount(void)
{
	return SegmentCountOf(this);
}
