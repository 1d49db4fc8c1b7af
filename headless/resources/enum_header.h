// Parser for enum headers (c4d_symbols.h, description/<Name>.h): the symbols
// a module declares and their values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace headless::resources {

struct EnumEntry
{
	std::string name;
	int32_t value;
	int line;
};

// The entries of every `enum [Name] { NAME [= INT], ... };` in `text`, in
// order; implicit values count on from the previous one. Preprocessor lines
// are skipped. Throws ResourceError naming `file` for duplicate names, values
// beyond 32 bits and anything else.
std::vector<EnumEntry> ParseEnumHeader(std::string_view text, const std::string& file);

}
