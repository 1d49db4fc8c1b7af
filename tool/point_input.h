// Points as a user types them: x,y,z, or x,y with z = 0.
#ifndef TOOL_POINT_INPUT_H
#define TOOL_POINT_INPUT_H

#include <string>
#include <vector>

namespace tool
{

// The points of TEXTS, one each, as x, y, z one after the other. Throws
// InputError naming the first that is no point of finite numbers.
std::vector<double> ReadPoints(const std::vector<std::string>& texts);

} // namespace tool

#endif
