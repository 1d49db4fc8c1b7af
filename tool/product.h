// What the tool knows of the product it drives: where its module lies and
// which object it registers. Everything else it learns from the module.
#ifndef TOOL_PRODUCT_H
#define TOOL_PRODUCT_H

#include <cstdint>
#include <filesystem>

namespace tool
{

// The arrow object's plug-in ID.
constexpr std::int32_t ARROW_PLUGIN_ID = 1025060;

// The module file, as laid out beside the tool: ../plugins/pointsmith/<file>.
std::filesystem::path DefaultModuleFile(const std::filesystem::path& toolDirectory);

} // namespace tool

#endif
