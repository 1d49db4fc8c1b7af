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

// The arrow's preset buttons.
constexpr std::int32_t ARROW_PRESET_LOAD = 10200;
constexpr std::int32_t ARROW_PRESET_SAVE = 10210;

// The parameters a preset file holds, in the file's order.
constexpr std::int32_t PRESET_PARAMETERS[] = { 10190, 10030, 10040, 10080, 10130, 10140, 10150, 10160, 10170, 10180, 10020, 10000, 10010,
	10050, 10060, 10070, 10090, 10100, 10110, 10120, 2300, 2301, 1001, 1003, 1004, 1005 };

// The module file, as laid out beside the tool: ../plugins/pointsmith/<file>.
std::filesystem::path DefaultModuleFile(const std::filesystem::path& toolDirectory);

} // namespace tool

#endif
