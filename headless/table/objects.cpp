// Objects and splines: allocation, release, point arrays, matrices,
// dirtiness, and splines as lines.
#include <cstring>

#include "headless/host_objects.h"
#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

C4DOS_Atom* Alloc(int32_t type) noexcept
{
	return Guard("objects.alloc", static_cast<C4DOS_Atom*>(nullptr), [&]() -> C4DOS_Atom* {
		if (H().faults.ShouldFail("objects.alloc"))
			return nullptr;
		return HandleOf(H().NewObject(type));
	});
}

C4DOS_Atom* AllocSpline(int32_t count, int32_t type) noexcept
{
	return Guard("objects.alloc_spline", static_cast<C4DOS_Atom*>(nullptr), [&]() -> C4DOS_Atom* {
		if (H().faults.ShouldFail("objects.alloc_spline"))
			return nullptr;
		if (count < 0 || type < 0 || type > 4)
		{
			H().protocol.Fault("objects.alloc_spline", "a spline of " + std::to_string(count) + " points of type " + std::to_string(type));
			return nullptr;
		}
		Object* spline = H().scene.NewObject(OBJECT_SPLINE);
		spline->isPointObject = true;
		spline->points.assign(static_cast<std::size_t>(count) * 3, 0.0);
		spline->splineType = type;
		spline->data.Set(SPLINEOBJECT_CLOSED, false);
		return HandleOf(spline);
	});
}

void Free(C4DOS_Atom* handle) noexcept
{
	GuardVoid("objects.free", [&] {
		if (!handle)
			return;
		Object* object = CheckObject(handle, "objects.free");
		if (!object)
			return;
		if (object->inTree)
			H().protocol.Fault("objects.free", "an object that is still in a tree");
		else if (object->cacheOwner)
			H().protocol.Fault("objects.free", "a cached contour, which the host owns");
		else
		{
			H().undo.Forget(*object);
			H().scene.DestroyObject(object);
		}
	});
}

double* GetPoints(C4DOS_Atom* handle) noexcept
{
	return Guard("objects.get_points", static_cast<double*>(nullptr), [&]() -> double* {
		Object* object = CheckObject(handle, "objects.get_points");
		return object && object->isPointObject ? object->points.data() : nullptr;
	});
}

int32_t GetPointCount(const C4DOS_Atom* handle) noexcept
{
	return Guard("objects.get_point_count", int32_t { 0 }, [&]() -> int32_t {
		Object* object = CheckObject(handle, "objects.get_point_count");
		return object && object->isPointObject ? static_cast<int32_t>(object->points.size() / 3) : 0;
	});
}

void GetMg(const C4DOS_Atom* handle, double* matrix) noexcept
{
	GuardVoid("objects.get_mg", [&] {
		Object* object = CheckObject(handle, "objects.get_mg");
		if (!matrix)
			H().protocol.Fault("objects.get_mg", "no matrix to write to");
		else if (object)
			std::memcpy(matrix, &object->matrix, sizeof object->matrix);
	});
}

void SetDirty(C4DOS_Atom* handle, int32_t flags) noexcept
{
	GuardVoid("objects.set_dirty", [&] {
		if (Object* object = CheckObject(handle, "objects.set_dirty"))
			H().scene.Touch(*object, flags);
	});
}

C4DOS_Atom* GetRealSpline(C4DOS_Atom* handle) noexcept
{
	return Guard("objects.get_real_spline", static_cast<C4DOS_Atom*>(nullptr), [&]() -> C4DOS_Atom* {
		Object* object = CheckObject(handle, "objects.get_real_spline");
		if (!object)
			return nullptr;
		if (IsSpline(*object))
			return HandleOf(object);
		// A generator's spline is whatever the host last built; asking never builds it.
		const bool generator = object->plugin && object->plugin->handlers.get_contour;
		return generator ? HandleOf(object->contour.spline) : nullptr;
	});
}

C4DOS_Atom* GetLineObject(C4DOS_Atom* handle, C4DOS_Atom* doc, double, void*) noexcept
{
	const char* entry = "objects.get_line_object";
	return Guard(entry, static_cast<C4DOS_Atom*>(nullptr), [&]() -> C4DOS_Atom* {
		Object* spline = CheckObject(handle, entry);
		if (!spline || (doc && !CheckDocument(doc, entry)))
			return nullptr;
		if (!IsSpline(*spline))
		{
			H().protocol.Fault(entry, "an object of type " + std::to_string(spline->Type()) + " is no spline");
			return nullptr;
		}
		if (H().faults.ShouldFail(entry))
			return nullptr;
		return HandleOf(NewLineObject(H().scene, *spline));
	});
}

int32_t GetSegmentCount(const C4DOS_Atom* handle) noexcept
{
	return Guard("objects.get_segment_count", int32_t { 0 }, [&]() -> int32_t {
		Object* object = CheckObject(handle, "objects.get_segment_count");
		return object ? static_cast<int32_t>(object->segments.size()) : 0;
	});
}

const C4DOS_Segment* GetSegments(const C4DOS_Atom* handle) noexcept
{
	return Guard("objects.get_segments", static_cast<const C4DOS_Segment*>(nullptr), [&]() -> const C4DOS_Segment* {
		Object* object = CheckObject(handle, "objects.get_segments");
		return object && !object->segments.empty() ? object->segments.data() : nullptr;
	});
}

const C4DOS_Objects ENTRIES = { &Alloc, &AllocSpline, &Free, &GetPoints, &GetPointCount, &GetMg, &SetDirty, &GetRealSpline, &GetLineObject,
	&GetSegmentCount, &GetSegments };

} // namespace

const C4DOS_Objects* ObjectEntries()
{
	return &ENTRIES;
}

} // namespace headless
