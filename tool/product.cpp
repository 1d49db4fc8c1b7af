#include "tool/product.h"

namespace tool
{

namespace
{

#if defined(_WIN32)
constexpr const char* MODULE_FILE = "pointsmith.xdl64";
#elif defined(__APPLE__)
constexpr const char* MODULE_FILE = "pointsmith.xlib";
#else
constexpr const char* MODULE_FILE = "pointsmith.xso64";
#endif

} // namespace

const char* ToolVersion()
{
	return POINTSMITH_VERSION;
}

std::filesystem::path DefaultModuleFile(const std::filesystem::path& toolDirectory)
{
	return toolDirectory / ".." / "plugins" / "pointsmith" / MODULE_FILE;
}

} // namespace tool
