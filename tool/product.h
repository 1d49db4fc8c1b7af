// What the tool knows of the product it drives: where its module lies and
// which object it registers. Everything else it learns from the module.
#ifndef TOOL_PRODUCT_H
#define TOOL_PRODUCT_H

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace tool
{

// The arrow object's plug-in ID.
constexpr std::int32_t ARROW_PLUGIN_ID = 1025060;

// The arrow's link to the path it follows.
constexpr std::int32_t ARROW_PATH = 10470;

// The arrow's preset buttons.
constexpr std::int32_t ARROW_PRESET_LOAD = 10200;
constexpr std::int32_t ARROW_PRESET_SAVE = 10210;

// The switch that rounds the outline's corners.
constexpr std::int32_t ARROW_ROUND = 10440;

// The parameters a preset file holds, in the file's order.
constexpr std::int32_t PRESET_PARAMETERS[] = { 10190, 10030, 10040, 10080, 10130, 10140, 10150, 10160, 10170, 10180, 10020, 10000, 10010,
	10050, 10060, 10070, 10090, 10100, 10110, 10120, 2300, 2301, 1001, 1003, 1004, 1005 };

// A preset file: its suffix, and its records in the file's order: three
// marker texts (PRESET_MARKERS, the first the header PRESET_HEADER), the parameters (PRESET_PARAMETERS), and an
// end marker the module writes but does not read. Only the versions in
// PRESET_VERSIONS_WITH_DOUBLE hold PRESET_DOUBLE_RECORDS; older files go
// from the head thickness straight to the shaft.
constexpr const char* PRESET_SUFFIX = "arr";
constexpr const char* PRESET_HEADER = "# Pointsmith preset file";
constexpr const char* PRESET_MARKERS[] = { "header", "version", "start marker" };
constexpr const char* PRESET_END_MARKER = "end marker";
constexpr const char* PRESET_VERSIONS_WITH_DOUBLE[] = { "# Version 1.3", "# Version 1.2" };
constexpr std::int32_t PRESET_DOUBLE_RECORDS[] = { 10160, 10170, 10180 };
// The longest preset name a file holds, in bytes of UTF-8: 64 KiB.
constexpr std::size_t PRESET_NAME_LONGEST = 64 * 1024;

// The project's version, which the tool and the module it is built with share.
const char* ToolVersion();

// The module file, as laid out beside the tool: ../plugins/pointsmith/<file>.
std::filesystem::path DefaultModuleFile(const std::filesystem::path& toolDirectory);

} // namespace tool

#endif
