#include "headless/resources/description_builder.h"

#include "headless/resources/description_parser.h"
#include "headless/resources/enum_header.h"
#include "headless/resources/labels.h"
#include "headless/resources/resource_error.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

Description BuildDescription(const std::string& name, const DescriptionSources& sources, DescriptionScope& scope)
{
	const std::vector<EnumEntry> entries = ParseEnumHeader(sources.header.text, sources.header.file);
	for (const EnumEntry& entry : entries)
	{
		if (!scope.symbols.emplace(entry.name, entry.value).second)
			throw ResourceError(sources.header.file, entry.line, Quote(entry.name) + " is already declared by a host description");
	}
	for (auto& [symbol, label] : ParseLabels(sources.strings, name, entries, sources.header.file))
		scope.labels.insert_or_assign(symbol, std::move(label));
	return ParseDescription(sources.resource.text, sources.resource.file, scope);
}

}
