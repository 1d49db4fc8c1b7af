// Parameter containers: the module's own copies and the atoms' live containers.
#include "headless/table/entry_support.h"
#include "headless/table/families.h"
#include "headless/table/values.h"

namespace headless
{

namespace
{

C4DOS_Container* Alloc() noexcept
{
	return AllocHandle<C4DOS_Container>("containers.alloc", H().containers);
}

void Free(C4DOS_Container* container) noexcept
{
	GuardVoid("containers.free", [&] {
		if (!container)
			return;
		if (H().scene.IsLiveContainer(container))
			H().protocol.Fault("containers.free", "an atom's live container");
		else if (!H().containers.Release(container))
			H().protocol.Fault("containers.free", "unknown or freed container handle");
	});
}

template <typename CHANGE> void Change(const char* entry, C4DOS_Container* handle, const C4DOS_Container* source, CHANGE&& change)
{
	GuardVoid(entry, [&] {
		Container* target = CheckContainer(handle, entry);
		const Container* from = CheckContainer(source, entry);
		if (!target || !from)
			return;
		H().undo.CheckContainerChange(target, entry);
		change(*target, *from);
	});
}

void Copy(C4DOS_Container* container, const C4DOS_Container* source) noexcept
{
	Change("containers.copy", container, source, [](Container& target, const Container& from) {
		if (&target != &from)
			target = from;
	});
}

void Merge(C4DOS_Container* container, const C4DOS_Container* source) noexcept
{
	Change("containers.merge", container, source, [](Container& target, const Container& from) { target.Merge(from); });
}

void Flush(C4DOS_Container* container) noexcept
{
	GuardVoid("containers.flush", [&] {
		if (Container* target = CheckContainer(container, "containers.flush"))
		{
			H().undo.CheckContainerChange(target, "containers.flush");
			target->Flush();
		}
	});
}

C4DOS_Bool Get(const C4DOS_Container* container, int32_t id, C4DOS_Value* value) noexcept
{
	return Guard("containers.get", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		if (!value)
		{
			H().protocol.Fault("containers.get", "no value record");
			return 0;
		}
		*value = C4DOS_Value {};
		Container* source = CheckContainer(container, "containers.get");
		if (!source)
			return 0;
		ToAbiValue(source->Get(id), *value);
		return value->type != C4DOS_VALUE_NONE;
	});
}

void Set(C4DOS_Container* container, int32_t id, const C4DOS_Value* value) noexcept
{
	GuardVoid("containers.set", [&] {
		Container* target = CheckContainer(container, "containers.set");
		if (!target)
			return;
		if (!value)
		{
			H().protocol.Fault("containers.set", "no value record");
			return;
		}
		if (std::optional<Value> entry = FromAbiValue(*value, "containers.set"))
		{
			H().undo.CheckContainerChange(target, "containers.set");
			target->Set(id, std::move(*entry));
		}
	});
}

C4DOS_Bool Remove(C4DOS_Container* container, int32_t id) noexcept
{
	return Guard("containers.remove", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Container* target = CheckContainer(container, "containers.remove");
		if (!target)
			return 0;
		H().undo.CheckContainerChange(target, "containers.remove");
		return target->Remove(id);
	});
}

const C4DOS_Containers ENTRIES = { &Alloc, &Free, &Copy, &Merge, &Flush, &Get, &Set, &Remove };

} // namespace

const C4DOS_Containers* ContainerEntries()
{
	return &ENTRIES;
}

} // namespace headless
