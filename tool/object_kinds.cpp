#include "tool/object_kinds.h"

#include "headless/host_objects.h"
#include "tool/product.h"

namespace tool
{

namespace
{

constexpr const char* ARROW_KIND = "arrow";

} // namespace

std::string KindName(std::int32_t type)
{
	if (type == ARROW_PLUGIN_ID)
		return ARROW_KIND;
	const std::string_view host = headless::HostKindName(type);
	return host.empty() ? std::to_string(type) : std::string(host);
}

std::int32_t KindType(const std::string& name)
{
	return name == ARROW_KIND ? ARROW_PLUGIN_ID : headless::HostKindType(name);
}

} // namespace tool
