// BuildDescription: one description from its three files.
#pragma once

#include <string>

#include "headless/resources/description.h"
#include "headless/resources/description_scope.h"
#include "headless/resources/source_text.h"

namespace headless::resources {

struct DescriptionSources
{
	SourceText header;    // <Name>.h: the description's symbols
	SourceText resource;  // <Name>.res: its elements
	SourceText strings;   // <Name>.str: its labels, `STRINGTABLE <Name> { ... }`
};

// Parses description `name` from `sources`. Its symbols and labels are added
// to `scope` first, so the .res resolves them together with those already
// there; a symbol the scope already has is an error.
Description BuildDescription(const std::string& name, const DescriptionSources& sources, DescriptionScope& scope);

}
