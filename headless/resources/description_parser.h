// Parser for description files (description/<Name>.res).
#pragma once

#include <string>
#include <string_view>

#include "headless/resources/description.h"
#include "headless/resources/description_scope.h"

namespace headless::resources {

// Parses `CONTAINER Name { ... }`: its parameters, groups, separators and
// INCLUDEs, with every symbol resolved and labelled through `scope`.
// Throws ResourceError naming `file` for unknown symbols, keywords and
// INCLUDE names, duplicate IDs and malformed text.
Description ParseDescription(std::string_view text, const std::string& file, const DescriptionScope& scope);

}
