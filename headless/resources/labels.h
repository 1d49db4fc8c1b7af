// Labels: the texts of a string table, checked against the enum header that
// declares their symbols.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "headless/resources/description_scope.h"
#include "headless/resources/enum_header.h"
#include "headless/resources/source_text.h"

namespace headless::resources {

// Parses string table `strings`, which must be named `tableName` (empty: no
// name), and returns its texts by symbol. Every symbol must be declared in
// `declared` (read from `headerFile`) or be `tableName` itself; a stray
// symbol is an error, as it is most likely a typo.
LabelTable ParseLabels(const SourceText& strings, std::string_view tableName, const std::vector<EnumEntry>& declared, const std::string& headerFile);

}
