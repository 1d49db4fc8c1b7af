// The range the attribute manager allows a parameter, as the description
// declares it (MIN and MAX, in the units the attribute manager shows), and
// how a person reads it: a PERCENT value is stored as a fraction, a DEGREE
// value in radians.
#ifndef TOOL_PARAMETER_RANGE_H
#define TOOL_PARAMETER_RANGE_H

#include <optional>
#include <string>

#include "headless/container.h"
#include "headless/resources/description.h"

namespace tool
{

// "0..1 (0% to 100%)", "0..", "1..", "..5": the stored range, then the
// shown one where the unit shows values otherwise; empty when none is declared.
std::string RangeText(const headless::resources::DescriptionElement& parameter);

// A stored value as the attribute manager shows it: "50%" for PERCENT 0.5,
// "5°" for DEGREE 0.0873; empty for units it shows as stored.
std::string ShownValue(const headless::resources::DescriptionElement& parameter, double value);

// "NAME = TYPED is outside RANGE of the attribute manager" when a number
// lies outside the declared range, or a line naming the choices when a cycle
// has no such entry; none when it lies inside, the parameter declares no
// range or the value is no number.
std::optional<std::string> RangeWarning(const headless::resources::DescriptionElement& parameter, const headless::Value& value, const std::string& typed);

// "NAME = TYPED is in radians (286.5 degrees)" for a DEGREE number, which is
// stored in radians while the attribute manager shows degrees; none for
// other units and for a value that is no number.
std::optional<std::string> DegreeNote(const headless::resources::DescriptionElement& parameter, const headless::Value& value, const std::string& typed);

} // namespace tool

#endif
