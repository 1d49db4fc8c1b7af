// Objects by kind, as the tool names them: the arrow, the host's own kinds
// (null, spline, extrude, cloner, wrap), or else the type number.
#ifndef TOOL_OBJECT_KINDS_H
#define TOOL_OBJECT_KINDS_H

#include <cstdint>
#include <string>

namespace tool
{

std::string KindName(std::int32_t type);
// The object type of a kind name; 0 when it names none.
std::int32_t KindType(const std::string& name);

} // namespace tool

#endif
