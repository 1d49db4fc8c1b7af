// Resources: a module's string table and descriptions, read from its `res` folder.
#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

C4DOS_Resource* Load(const C4DOS_Path* folder) noexcept
{
	return Guard("resources.load", static_cast<C4DOS_Resource*>(nullptr), [&]() -> C4DOS_Resource* {
		Path* path = CheckPath(folder, "resources.load");
		if (!path || H().faults.ShouldFail("resources.load"))
			return nullptr;
		try
		{
			auto resource = std::make_unique<resources::ResourceFolder>(resources::ResourceFolder::Load(FromUtf8(path->text), H().Options().language));
			return reinterpret_cast<C4DOS_Resource*>(H().resources.Add(std::move(resource)));
		}
		catch (const resources::ResourceError& error)
		{
			H().Diagnose(error.what());
			return nullptr;
		}
	});
}

void Free(C4DOS_Resource* resource) noexcept
{
	FreeHandle("resources.free", H().resources, resource, "resource");
}

void LoadString(const C4DOS_Resource* resource, int32_t id, C4DOS_TextSink sink, void* context) noexcept
{
	GuardVoid("resources.load_string", [&] {
		const resources::ResourceFolder* folder = resource ? CheckResource(resource, "resources.load_string") : nullptr;
		const std::string* text = folder ? folder->FindString(id) : nullptr;
		TextOut(text ? *text : std::string(), sink, context, "resources.load_string");
	});
}

int32_t StringIds(const C4DOS_Resource* resource, int32_t* ids, int32_t capacity) noexcept
{
	return Guard("resources.string_ids", int32_t { 0 }, [&]() -> int32_t {
		const resources::ResourceFolder* folder = resource ? CheckResource(resource, "resources.string_ids") : nullptr;
		if (!folder)
			return 0;
		if (capacity < 0 || (capacity > 0 && !ids))
		{
			H().protocol.Fault("resources.string_ids", "no room for the " + std::to_string(capacity) + " IDs asked for");
			return 0;
		}
		const std::vector<int32_t> known = folder->StringIds();
		for (std::size_t i = 0; i < known.size() && i < static_cast<std::size_t>(capacity); ++i)
			ids[i] = known[i];
		return static_cast<int32_t>(known.size());
	});
}

C4DOS_Bool RegisterDescription(int32_t id, C4DOS_Text name, const C4DOS_Resource* resource) noexcept
{
	return Guard("resources.register_description", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		std::optional<std::string> descriptionName = TextIn(name, "resources.register_description");
		if (!descriptionName)
			return 0;
		if (!resource)
		{
			H().Diagnose("description " + *descriptionName + ": the module has no resource loaded");
			return 0;
		}
		const resources::ResourceFolder* folder = CheckResource(resource, "resources.register_description");
		if (!folder || H().faults.ShouldFail("resources.register_description"))
			return 0;
		try
		{
			if (!H().plugins.AddDescription(id, folder->LoadDescription(*descriptionName)))
			{
				H().Diagnose("description " + *descriptionName + ": ID " + std::to_string(id) + " already has a description");
				return 0;
			}
			return 1;
		}
		catch (const resources::ResourceError& error)
		{
			H().Diagnose(error.what());
			return 0;
		}
	});
}

const C4DOS_Resources ENTRIES = { &Load, &Free, &LoadString, &StringIds, &RegisterDescription };

} // namespace

const C4DOS_Resources* ResourceEntries()
{
	return &ENTRIES;
}

} // namespace headless
