// Parser for description files (description/<Name>.res).
#pragma once

#include <string>
#include <string_view>

#include "headless/resources/description.h"
#include "headless/resources/description_scope.h"

namespace headless::resources {

// How deep GROUPs may nest. A description nests a handful of levels; the
// bound keeps a hostile file from exhausting the parser's stack.
inline constexpr int kMaxGroupNesting = 1000;

// Parses `CONTAINER Name { ... }`: its parameters, groups, separators and
// INCLUDEs, with every symbol resolved and labelled through `scope`.
// Throws ResourceError naming `file` for unknown symbols, keywords and
// INCLUDE names, duplicate IDs, groups nested deeper than kMaxGroupNesting
// and malformed text.
Description ParseDescription(std::string_view text, const std::string& file, const DescriptionScope& scope);

}
