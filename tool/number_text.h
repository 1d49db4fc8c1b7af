// Numbers as the tool writes them into its outputs: whole, never cut.
#ifndef TOOL_NUMBER_TEXT_H
#define TOOL_NUMBER_TEXT_H

#include <string>

namespace tool
{

// The shortest text that reads back as the same double: 12.5, 0.1, 1e+40.
std::string ShortestText(double value);

} // namespace tool

#endif
