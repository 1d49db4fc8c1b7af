// Registration of object plug-ins.
#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

constexpr int32_t OBJECT_GENERATOR = 1 << 2;
constexpr int32_t OBJECT_ISSPLINE = 1 << 7;

// Why the host refuses a record, or empty when it takes it.
std::string Refusal(const C4DOS_ObjectPlugin& plugin, const std::string& descriptionName)
{
	if (plugin.api_version < C4DOS_API_VERSION)
		return "API version " + std::to_string(plugin.api_version) + " is too old";
	if (!plugin.alloc || !plugin.free || !plugin.init || !plugin.message || !plugin.get_enabling)
		return "a handler is missing";
	if ((plugin.info & OBJECT_ISSPLINE) && !plugin.get_contour)
		return "a spline object without a contour handler";
	if ((plugin.info & OBJECT_GENERATOR) && !plugin.get_virtual_objects)
		return "a generator without a generator handler";
	if (H().plugins.FindObject(plugin.id))
		return "the ID is taken";
	if (!descriptionName.empty() && !H().plugins.FindDescription(plugin.id))
		return "its description " + descriptionName + " is not registered";
	return std::string();
}

C4DOS_Bool RegisterObject(const C4DOS_ObjectPlugin* plugin) noexcept
{
	return Guard("plugins.register_object", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		if (!plugin)
		{
			H().protocol.Fault("plugins.register_object", "no record");
			return 0;
		}
		std::optional<std::string> name = TextIn(plugin->name, "plugins.register_object");
		std::optional<std::string> descriptionName = TextIn(plugin->description, "plugins.register_object");
		if (!name || !descriptionName)
			return 0;
		const Bitmap* icon = plugin->icon ? CheckBitmap(plugin->icon, "plugins.register_object") : nullptr;

		const std::string refusal = H().faults.ShouldFail("plugins.register_object") ? "planned failure" : Refusal(*plugin, *descriptionName);
		if (!refusal.empty())
		{
			H().Diagnose("object plug-in " + std::to_string(plugin->id) + " refused: " + refusal);
			return 0;
		}

		RegisteredObject object;
		object.id = plugin->id;
		object.name = *name;
		object.info = plugin->info;
		object.descriptionName = *descriptionName;
		if (icon && icon->width > 0)
			object.iconSize = std::make_pair(icon->width, icon->height);
		object.disklevel = plugin->disklevel;
		object.handlers = *plugin;
		object.handlers.name = C4DOS_Text {};
		object.handlers.description = C4DOS_Text {};
		object.handlers.icon = nullptr;
		object.description = H().plugins.FindDescription(plugin->id);
		return H().plugins.AddObject(std::move(object)) ? 1 : 0;
	});
}

const C4DOS_Plugins ENTRIES = { &RegisterObject };

} // namespace

const C4DOS_Plugins* PluginEntries()
{
	return &ENTRIES;
}

} // namespace headless
