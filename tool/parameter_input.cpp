#include "tool/parameter_input.h"

#include <charconv>
#include <regex>

namespace tool
{

namespace
{

using headless::resources::DescriptionElement;
using headless::resources::ElementKind;

std::string Describe(const DescriptionElement& parameter)
{
	return parameter.symbol + " (" + std::string(headless::resources::KeywordOf(parameter.kind)) + ")";
}

bool ParseInteger(const std::string& text, std::int32_t& value)
{
	const char* end = text.data() + text.size();
	const char* begin = text.data() + (text.size() > 1 && text[0] == '+' ? 1 : 0);
	auto [stop, error] = std::from_chars(begin, end, value);
	return error == std::errc() && stop == end && begin != end;
}

bool ParseReal(const std::string& text, double& value)
{
	static const std::regex NUMBER(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
	if (!std::regex_match(text, NUMBER))
		return false;
	const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
	const char* end = text.data() + text.size();
	auto [stop, error] = std::from_chars(begin, end, value);
	return error == std::errc() && stop == end;
}

headless::Value ParseVector(const DescriptionElement& parameter, const std::string& text)
{
	headless::Vector3 vector {};
	std::size_t start = 0;
	for (std::size_t axis = 0; axis < 3; ++axis)
	{
		const std::size_t comma = text.find(',', start);
		const bool last = axis == 2;
		if (last != (comma == std::string::npos) || !ParseReal(text.substr(start, comma - start), vector[axis]))
			throw InputError("bad value for " + Describe(parameter) + ": '" + text + "' (expected x,y,z)");
		start = comma + 1;
	}
	return vector;
}

} // namespace

const DescriptionElement& FindParameter(const headless::resources::Description& description, const std::string& name)
{
	const DescriptionElement* element = description.FindSymbol(name);
	std::int32_t id = 0;
	if (!element && ParseInteger(name, id))
		element = description.Find(id);
	if (!element || !element->IsParameter())
		throw InputError("unknown parameter '" + name + "'");
	return *element;
}

headless::Value ParseParameterValue(const DescriptionElement& parameter, const std::string& text)
{
	const auto bad = [&](const char* expected) { return InputError("bad value for " + Describe(parameter) + ": '" + text + "' (expected " + expected + ")"); };
	switch (parameter.kind)
	{
		case ElementKind::Bool:
			if (text == "true" || text == "1")
				return true;
			if (text == "false" || text == "0")
				return false;
			throw bad("true, false, 1 or 0");
		case ElementKind::Long:
		{
			std::int32_t value = 0;
			if (!ParseInteger(text, value))
				throw bad("a 32-bit integer");
			return value;
		}
		case ElementKind::Real:
		{
			double value = 0.0;
			if (!ParseReal(text, value))
				throw bad("a finite number");
			return value;
		}
		case ElementKind::String:
			return text;
		case ElementKind::Vector:
			return ParseVector(parameter, text);
		default:
			throw InputError("cannot set " + Describe(parameter) + " from the command line");
	}
}

} // namespace tool
