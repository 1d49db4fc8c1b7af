// Parameter names and values as a user types them on the command line.
#ifndef TOOL_PARAMETER_INPUT_H
#define TOOL_PARAMETER_INPUT_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include "headless/container.h"
#include "headless/resources/description.h"

namespace tool
{

// Bad input from the user: the message is the whole explanation.
struct InputError : std::runtime_error
{
	using std::runtime_error::runtime_error;
};

// The parameter that NAME means: a symbol of the description (ARROW_...,
// PRIM_PLANE, ...) or a numeric ID. Throws InputError for anything else,
// including groups and separators.
const headless::resources::DescriptionElement& FindParameter(const headless::resources::Description& description, const std::string& name);

// VALUE read by the parameter's declared type: BOOL true/false/1/0, LONG an
// integer, REAL a decimal or exponent number (no nan, no inf), STRING UTF-8 text,
// VECTOR x,y,z. Buttons and links take no value. Throws InputError.
headless::Value ParseParameterValue(const headless::resources::DescriptionElement& parameter, const std::string& text);

// TEXT read as a value of `kind`, by the rules above (Bool, Int32, Float,
// Vector, String); null when it does not read as one.
std::optional<headless::Value> ReadValueAs(headless::ValueKind kind, const std::string& text);
// What ReadValueAs accepts for `kind`, as error messages say it.
std::string ExpectedText(headless::ValueKind kind);
// A decimal or exponent number, optionally signed: std::errc() when it
// reads, result_out_of_range when it lies beyond a double's range (1e400,
// 1e-400), invalid_argument when it is no such number.
std::errc ReadReal(const std::string& text, double& value);
// A 32-bit integer, optionally signed; false for anything else.
bool ReadInteger(const std::string& text, std::int32_t& value);

} // namespace tool

#endif
