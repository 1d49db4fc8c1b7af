// Description: the parameters, groups and separators a module declares for
// one of its plug-ins, with their IDs, labels and properties.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "headless/resources/element_kind.h"

namespace headless::resources {

struct CycleEntry
{
	int32_t value;
	std::string symbol;
	std::string label;
};

struct DescriptionElement
{
	int32_t id;         // 0 for a separator or group without symbol
	std::string symbol; // empty for a separator or group without symbol
	ElementKind kind;
	std::string label;  // the symbol itself when the string table has none
	int32_t group;      // ID of the nearest enclosing GROUP with a symbol, 0 at top level
	std::map<std::string, std::vector<std::string>> properties; // key -> words, as written
	std::vector<CycleEntry> cycle;                               // the CYCLE property resolved
	// MIN, MAX and STEP read as numbers: the attribute manager's range and
	// increment, declared as it shows them (MAX 100 for a PERCENT value
	// stored as a fraction up to 1; degrees for a DEGREE value stored in radians).
	std::optional<double> min;
	std::optional<double> max;
	std::optional<double> step;
	std::string unit; // the UNIT property's word (METER, PERCENT, DEGREE), empty when none

	// Whether the element holds a value: not a group, not a separator.
	bool IsParameter() const;
	// A number between the units the value is stored in and those the
	// description declares it in (MIN, MAX, STEP), which the attribute
	// manager shows: a PERCENT value 0.5 shows as 50, a DEGREE value is
	// stored in radians and shown in degrees.
	double Stored(double declared) const;
	double Shown(double stored) const;
};

struct Description
{
	std::string name;
	std::string label; // the string table's entry for the name, else the name
	std::vector<DescriptionElement> elements; // in declaration order, INCLUDEs expanded in place
	std::filesystem::path folder; // the resource folder it was read from; empty for the host's own

	// The element with symbol ID `id`; null when none.
	const DescriptionElement* Find(int32_t id) const;
	// The element declared with `symbol`; null when none.
	const DescriptionElement* FindSymbol(std::string_view symbol) const;
};

}
