#include "headless/resources/labels.h"

#include <algorithm>

#include "headless/resources/resource_error.h"
#include "headless/resources/string_table.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

LabelTable ParseLabels(const SourceText& strings, std::string_view tableName, const std::vector<EnumEntry>& declared, const std::string& headerFile)
{
	const StringTable table = ParseStringTable(strings.text, strings.file);
	if (table.name != tableName)
	{
		const std::string message = tableName.empty() ? "STRINGTABLE takes no name here"
			: "expected 'STRINGTABLE " + std::string(tableName) + "'";
		throw ResourceError(strings.file, table.line, message);
	}
	LabelTable labels;
	for (const StringEntry& entry : table.entries)
	{
		const bool isDeclared = std::ranges::find(declared, entry.symbol, &EnumEntry::name) != declared.end();
		if (!isDeclared && (tableName.empty() || entry.symbol != tableName))
			throw ResourceError(strings.file, entry.line, Quote(entry.symbol) + " is not declared in " + headerFile);
		labels.emplace(entry.symbol, entry.text);
	}
	return labels;
}

}
