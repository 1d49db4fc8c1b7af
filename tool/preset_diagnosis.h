// Why a preset did not load or was not saved. The module only tells the host
// that it failed; the host saw what happened to its files and dialogs, and
// the tool knows the preset's records (tool/product.h), so together they
// say where and why in one phrase: "file ends in record 17
// (ARROW_TAIL_NOTCH) at byte 142", "no such file (wide.arr exists)",
// "ARROW_HEAD_LENGTH = 1e+39 does not fit a preset's 32-bit float".
#ifndef TOOL_PRESET_DIAGNOSIS_H
#define TOOL_PRESET_DIAGNOSIS_H

#include <string>

#include "headless/host.h"
#include "headless/resources/description.h"

namespace tool
{

// After a load of `file` (as the user named it) that failed: "FILE was not
// loaded: why", without the reason when the host saw nothing that explains it.
std::string NotLoaded(const headless::Host& host, const headless::resources::Description& description, const std::string& file);

// After a save of `arrow` as `file` that put no preset in place: "no preset
// was written for FILE: why", likewise.
std::string NotSaved(const headless::Host& host, const headless::resources::Description& description, const headless::Object& arrow,
	const std::string& file);

} // namespace tool

#endif
