// Objects and splines: allocation, release and point arrays.
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

const C4DOS_Objects ENTRIES = { &Alloc, &AllocSpline, &Free, &GetPoints, &GetPointCount };

} // namespace

const C4DOS_Objects* ObjectEntries()
{
	return &ENTRIES;
}

} // namespace headless
