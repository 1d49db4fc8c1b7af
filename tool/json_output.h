// JSON as the tool prints it: keys in the order given, and floats in the
// shortest form that reads back as the same double, always with a decimal
// point or an exponent (400.0, -0.0, 1e+20).
#ifndef TOOL_JSON_OUTPUT_H
#define TOOL_JSON_OUTPUT_H

#include <nlohmann/json.hpp>

#include "headless/container.h"
#include "headless/scene.h"

namespace tool
{

using Json = nlohmann::ordered_json;

// The JSON text. Text that is no UTF-8 (a module's console line, a file
// name) is printed with U+FFFD in place of each bad byte: output never fails
// on it.
std::string Dump(const Json& json);

// One parameter value as JSON; a link prints as its object's name, or its
// kind where it has none, and null when the object is gone.
Json ValueToJson(const headless::Value& value, const headless::Scene& scene);

} // namespace tool

#endif
