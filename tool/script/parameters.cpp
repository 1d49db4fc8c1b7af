#include "tool/script/parameters.h"

#include "headless/host_parameters.h"
#include "headless/plugin_registry.h"
#include "headless/resources/utf8.h"
#include "tool/parameter_input.h"

namespace tool::script
{

namespace
{

using headless::ValueKind;
using headless::resources::ElementKind;

const char* KindWord(ValueKind kind)
{
	switch (kind)
	{
		case ValueKind::Bool: return "Bool";
		case ValueKind::Int32: return "Int32";
		case ValueKind::Float: return "Float";
		case ValueKind::Vector: return "Vector";
		default: return "String";
	}
}

} // namespace

Parameter FindObjectParameter(const headless::Object& object, const std::string& name)
{
	if (object.plugin && object.plugin->description)
	{
		const auto& element = FindParameter(*object.plugin->description, name);
		return Parameter { element.id, element.symbol, &element };
	}
	std::int32_t id = 0;
	if (std::optional<std::int32_t> named = headless::HostParameterId(object.Type(), name))
		id = *named;
	else if (!ReadInteger(name, id))
		throw InputError("unknown parameter " + headless::resources::Quote(name) + " (a host object's parameters are IDs or the names of the host's headers)");
	return Parameter { id, name, nullptr };
}

std::string ParameterName(const headless::Object& object, std::int32_t id)
{
	if (object.plugin && object.plugin->description)
	{
		if (const headless::resources::DescriptionElement* element = object.plugin->description->Find(id))
			return element->symbol;
	}
	const std::string_view name = headless::HostParameterName(object.Type(), id);
	return name.empty() ? std::to_string(id) : std::string(name);
}

headless::Value ReadParameterValue(const headless::Object& object, const Parameter& parameter, const std::string& text)
{
	if (parameter.declared)
	{
		if (parameter.declared->kind == ElementKind::Button)
			throw InputError(parameter.name + " is a button and holds no value");
		if (parameter.declared->kind == ElementKind::Link)
			throw InputError(parameter.name + " is a link: use link");
		return ParseParameterValue(*parameter.declared, text);
	}
	ValueKind kind = headless::KindOf(object.data.Get(parameter.id));
	if (kind == ValueKind::None)
	{
		if (headless::resources::IsValidUtf8(text))
			return GuessValue(text);
		kind = ValueKind::String; // refused below as a String
	}
	if (kind == ValueKind::Link)
		throw InputError(parameter.name + " holds a link: use link");
	std::optional<headless::Value> value = ReadValueAs(kind, text);
	if (!value)
		throw InputError("bad value for " + parameter.name + " (" + KindWord(kind) + "): " + headless::resources::Quote(text) + " (expected " +
			ExpectedText(kind) + ")");
	return std::move(*value);
}

void CheckLinkParameter(const headless::Object& object, const Parameter& parameter)
{
	bool link = false;
	if (parameter.declared)
		link = parameter.declared->kind == ElementKind::Link;
	else
	{
		const ValueKind held = headless::KindOf(object.data.Get(parameter.id));
		link = held == ValueKind::Link || held == ValueKind::None;
	}
	if (!link)
		throw InputError(parameter.name + " is not a link");
}

void CheckButton(const Parameter& parameter)
{
	if (!parameter.declared || parameter.declared->kind != ElementKind::Button)
		throw InputError(parameter.name + " is not a button");
}

headless::Value GuessValue(const std::string& text)
{
	if (text == "true" || text == "false")
		return text == "true";
	if (std::optional<headless::Value> integer = ReadValueAs(ValueKind::Int32, text))
		return *integer;
	std::optional<headless::Value> real = ReadValueAs(ValueKind::Float, text);
	if (real && text.find_first_of(".eE") != std::string::npos)
		return *real;
	if (std::optional<headless::Value> vector = ReadValueAs(ValueKind::Vector, text))
		return *vector;
	return text;
}

} // namespace tool::script
