// DescriptionScope: what a .res can refer to while it is parsed.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "headless/resources/description.h"

namespace headless::resources {

using SymbolTable = std::map<std::string, int32_t, std::less<>>;
using LabelTable = std::map<std::string, std::string, std::less<>>;

struct DescriptionScope
{
	SymbolTable symbols;                   // symbol -> ID
	LabelTable labels;                     // symbol -> label
	std::vector<Description> descriptions; // what INCLUDE can name

	// The description INCLUDE `name` inserts; null when none.
	const Description* FindDescription(std::string_view name) const;
};

}
