// Parameters and values as a script names them. A plug-in object's
// parameters are found in its registered description (ARROW_ names, the
// host's parameter names it includes, or IDs) and take values by their
// declared type; a host object's parameters are IDs or the names of the
// host's headers (MG_LINEAR_COUNT), and a value is read by the type of the
// entry the object holds, or else by its look.
#ifndef TOOL_SCRIPT_PARAMETERS_H
#define TOOL_SCRIPT_PARAMETERS_H

#include <cstdint>
#include <string>

#include "headless/scene.h"
#include "headless/resources/description.h"

namespace tool::script
{

struct Parameter
{
	std::int32_t id = 0;
	std::string name;                                            // as errors name it
	const headless::resources::DescriptionElement* declared = nullptr; // null for a host object
};

// Throws InputError for a name the object does not have.
Parameter FindObjectParameter(const headless::Object& object, const std::string& name);

// The name a script gives parameter `id` of the object: its description's
// symbol or the host's header name, else the ID.
std::string ParameterName(const headless::Object& object, std::int32_t id);

// The value `set` stores; throws InputError for a bad value, a button or a link.
headless::Value ReadParameterValue(const headless::Object& object, const Parameter& parameter, const std::string& text);
// Throws InputError unless the parameter holds a link.
void CheckLinkParameter(const headless::Object& object, const Parameter& parameter);
// Throws InputError unless the parameter is a button.
void CheckButton(const Parameter& parameter);

// A value by its look: true/false a Bool, an integer an Int32, a number with
// a point or an exponent a Float, x,y,z a Vector, anything else a String.
headless::Value GuessValue(const std::string& text);

} // namespace tool::script

#endif
