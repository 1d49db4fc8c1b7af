#include "tool/parameter_input.h"

#include <charconv>
#include <string_view>

#include "headless/resources/utf8.h"

#include "tool/nearest_name.h"

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

// Whether `text` is [+-]?(digits[.digits] | .digits)([eE][+-]?digits)?. A
// scan of its own: a regular expression recurses once a character and ends
// the tool on a number thirty thousand digits long.
bool IsDecimal(std::string_view text)
{
	std::size_t at = 0;
	const auto skip = [&](std::string_view characters) {
		if (at < text.size() && characters.find(text[at]) != std::string_view::npos)
			++at;
	};
	const auto digits = [&] {
		const std::size_t start = at;
		while (at < text.size() && text[at] >= '0' && text[at] <= '9')
			++at;
		return at - start;
	};
	skip("+-");
	std::size_t mantissa = digits();
	if (at < text.size() && text[at] == '.')
	{
		++at;
		mantissa += digits();
	}
	if (mantissa == 0)
		return false;
	if (at < text.size() && (text[at] == 'e' || text[at] == 'E'))
	{
		++at;
		skip("+-");
		if (digits() == 0)
			return false;
	}
	return at == text.size();
}

bool ParseVector(const std::string& text, headless::Vector3& vector)
{
	std::size_t start = 0;
	for (std::size_t axis = 0; axis < 3; ++axis)
	{
		const std::size_t comma = text.find(',', start);
		const bool last = axis == 2;
		if (last != (comma == std::string::npos) || ReadReal(text.substr(start, comma - start), vector[axis]) != std::errc())
			return false;
		start = comma + 1;
	}
	return true;
}

// The kind of value a declared parameter holds; None for those the command line cannot set.
headless::ValueKind ValueKindOf(ElementKind kind)
{
	switch (kind)
	{
		case ElementKind::Bool: return headless::ValueKind::Bool;
		case ElementKind::Long: return headless::ValueKind::Int32;
		case ElementKind::Real: return headless::ValueKind::Float;
		case ElementKind::String: return headless::ValueKind::String;
		case ElementKind::Vector: return headless::ValueKind::Vector;
		default: return headless::ValueKind::None;
	}
}

std::vector<std::string> ParameterNames(const headless::resources::Description& description)
{
	std::vector<std::string> names;
	for (const DescriptionElement& element : description.elements)
	{
		if (element.IsParameter() && !element.symbol.empty())
			names.push_back(element.symbol);
	}
	return names;
}

} // namespace

std::optional<headless::Value> ReadValueAs(headless::ValueKind kind, const std::string& text)
{
	switch (kind)
	{
		case headless::ValueKind::Bool:
			if (text == "true" || text == "1")
				return true;
			if (text == "false" || text == "0")
				return false;
			return std::nullopt;
		case headless::ValueKind::Int32:
		{
			std::int32_t value = 0;
			return ReadInteger(text, value) ? std::optional<headless::Value>(value) : std::nullopt;
		}
		case headless::ValueKind::Float:
		{
			double value = 0.0;
			return ReadReal(text, value) == std::errc() ? std::optional<headless::Value>(value) : std::nullopt;
		}
		case headless::ValueKind::Vector:
		{
			headless::Vector3 vector {};
			return ParseVector(text, vector) ? std::optional<headless::Value>(vector) : std::nullopt;
		}
		case headless::ValueKind::String:
			// Text values are UTF-8 everywhere in the host; anything else would fail every later print.
			return headless::resources::IsValidUtf8(text) ? std::optional<headless::Value>(text) : std::nullopt;
		default:
			return std::nullopt;
	}
}

std::string ExpectedText(headless::ValueKind kind)
{
	switch (kind)
	{
		case headless::ValueKind::Bool: return "true, false, 1 or 0";
		case headless::ValueKind::Int32: return "a 32-bit integer";
		case headless::ValueKind::Float: return "a finite number";
		case headless::ValueKind::Vector: return "x,y,z";
		case headless::ValueKind::String: return "UTF-8 text";
		default: return "a value";
	}
}

std::errc ReadReal(const std::string& text, double& value)
{
	if (!IsDecimal(text))
		return std::errc::invalid_argument;
	const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
	const char* end = text.data() + text.size();
	const auto [stop, error] = std::from_chars(begin, end, value);
	return error != std::errc() ? error : stop == end ? std::errc() : std::errc::invalid_argument;
}

bool ReadInteger(const std::string& text, std::int32_t& value)
{
	const char* end = text.data() + text.size();
	const char* begin = text.data() + (text.size() > 1 && text[0] == '+' ? 1 : 0);
	auto [stop, error] = std::from_chars(begin, end, value);
	return error == std::errc() && stop == end && begin != end;
}

const DescriptionElement& FindParameter(const headless::resources::Description& description, const std::string& name)
{
	const DescriptionElement* element = description.FindSymbol(name);
	std::int32_t id = 0;
	if (!element && ReadInteger(name, id))
		element = description.Find(id);
	if (!element || !element->IsParameter())
		throw InputError("unknown parameter " + headless::resources::Quote(name) + DidYouMean(name, ParameterNames(description)));
	return *element;
}

headless::Value ParseParameterValue(const DescriptionElement& parameter, const std::string& text)
{
	const headless::ValueKind kind = ValueKindOf(parameter.kind);
	if (kind == headless::ValueKind::None)
		throw InputError("cannot set " + Describe(parameter) + " from the command line");
	std::optional<headless::Value> value = ReadValueAs(kind, text);
	if (!value)
		throw InputError("bad value for " + Describe(parameter) + ": " + headless::resources::Quote(text) + " (expected " + ExpectedText(kind) + ")");
	return std::move(*value);
}

} // namespace tool
