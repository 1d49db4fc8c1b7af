// The files of the descriptions the host itself supplies for modules to
// INCLUDE, embedded as text.
#pragma once

#include <span>
#include <string_view>

namespace headless::resources {

struct EmbeddedDescription
{
	std::string_view name;
	std::string_view header;   // <name>.h
	std::string_view resource; // <name>.res
	std::string_view strings;  // <name>.str, English labels
};

// Obase and Osplineprimitive, each after any it depends on.
std::span<const EmbeddedDescription> HostDescriptionTexts();

}
