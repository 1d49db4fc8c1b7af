// Parser for string tables (c4d_strings.str, description/<Name>.str).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace headless::resources {

struct StringEntry
{
	std::string symbol;
	std::string text;
	int line;
};

struct StringTable
{
	std::string name; // empty for the module's global strings
	int line;         // of the STRINGTABLE keyword
	std::vector<StringEntry> entries;
};

// Parses `STRINGTABLE [Name] { SYMBOL "text"; ... }`: ASCII text, one
// literal per symbol. Throws ResourceError naming `file` for a byte above
// 127, a second literal, duplicate symbols and anything else.
StringTable ParseStringTable(std::string_view text, const std::string& file);

}
