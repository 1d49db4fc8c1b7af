// Object types that modules registered, and the descriptions registered for them.
#ifndef HEADLESS_PLUGIN_REGISTRY_H
#define HEADLESS_PLUGIN_REGISTRY_H

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "headless/resources/description.h"
#include "host/abi/c4d_os.h"

namespace headless
{

struct RegisteredObject
{
	std::int32_t id = 0;
	std::string name;
	std::int32_t info = 0;
	std::string descriptionName;
	std::optional<std::pair<int, int>> iconSize; // width, height of the host's copy
	std::int32_t disklevel = 0;
	// The module's handlers; the record's texts are not kept (they were the module's).
	C4DOS_ObjectPlugin handlers {};
	const resources::Description* description = nullptr;
};

class PluginRegistry
{
public:
	// False when the ID is taken.
	bool AddDescription(std::int32_t id, resources::Description description);
	const resources::Description* FindDescription(std::int32_t id) const;

	// False when the ID is taken.
	bool AddObject(RegisteredObject object);
	const RegisteredObject* FindObject(std::int32_t id) const;
	const std::map<std::int32_t, RegisteredObject>& Objects() const { return _objects; }

	void Clear();

private:
	std::map<std::int32_t, resources::Description> _descriptions;
	std::map<std::int32_t, RegisteredObject> _objects;
};

} // namespace headless

#endif
