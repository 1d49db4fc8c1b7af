#include "headless/plugin_registry.h"

namespace headless
{

bool PluginRegistry::AddDescription(std::int32_t id, resources::Description description)
{
	return _descriptions.emplace(id, std::move(description)).second;
}

const resources::Description* PluginRegistry::FindDescription(std::int32_t id) const
{
	auto found = _descriptions.find(id);
	return found == _descriptions.end() ? nullptr : &found->second;
}

bool PluginRegistry::AddObject(RegisteredObject object)
{
	const std::int32_t id = object.id;
	return _objects.emplace(id, std::move(object)).second;
}

const RegisteredObject* PluginRegistry::FindObject(std::int32_t id) const
{
	auto found = _objects.find(id);
	return found == _objects.end() ? nullptr : &found->second;
}

void PluginRegistry::Clear()
{
	_objects.clear();
	_descriptions.clear();
}

} // namespace headless
