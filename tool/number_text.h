// Numbers as the tool writes them into its outputs: whole, never cut.
#ifndef TOOL_NUMBER_TEXT_H
#define TOOL_NUMBER_TEXT_H

#include <string>

namespace tool
{

// The shortest text that reads back as the same double: 12.5, 0.1, 1e+40.
std::string ShortestText(double value);

// `value` to `digits` significant digits, as %g writes it; `value` may lie
// beyond a double's range: 1.797693135e+310.
std::string RoundedText(long double value, int digits);

} // namespace tool

#endif
