#include "tool/parameter_range.h"

#include <cstdio>

#include "tool/number_text.h"

namespace tool
{

namespace
{

using headless::resources::DescriptionElement;

std::string Plain(double value)
{
	char text[32];
	std::snprintf(text, sizeof text, "%.10g", value);
	return text;
}

std::optional<double> NumberOf(const headless::Value& value)
{
	if (const auto* integer = std::get_if<std::int32_t>(&value))
		return *integer;
	if (const auto* real = std::get_if<double>(&value))
		return *real;
	return std::nullopt;
}

// A number in the units the attribute manager shows, with their sign: "50%",
// "5°"; empty for units it shows as stored.
std::string WithSign(const DescriptionElement& parameter, double shown)
{
	if (parameter.unit == "PERCENT")
		return Plain(shown) + "%";
	if (parameter.unit == "DEGREE")
		return Plain(shown) + "\u00b0";
	return {};
}

} // namespace

std::string ShownValue(const DescriptionElement& parameter, double value)
{
	return WithSign(parameter, parameter.Shown(value));
}

namespace
{

// The declared bounds are already in the units the attribute manager shows.
std::string ShownRange(const DescriptionElement& parameter)
{
	const std::string low = parameter.min ? WithSign(parameter, *parameter.min) : std::string();
	const std::string high = parameter.max ? WithSign(parameter, *parameter.max) : std::string();
	if (!low.empty() && !high.empty())
		return low + " to " + high;
	if (!low.empty())
		return "from " + low;
	if (!high.empty())
		return "up to " + high;
	return {};
}

} // namespace

std::string RangeText(const DescriptionElement& parameter)
{
	if (!parameter.min && !parameter.max)
		return {};
	std::string text = (parameter.min ? ShortestText(parameter.Stored(*parameter.min)) : std::string()) + ".."
		+ (parameter.max ? ShortestText(parameter.Stored(*parameter.max)) : std::string());
	const std::string shown = ShownRange(parameter);
	return shown.empty() ? text : text + " (" + shown + ")";
}

std::optional<std::string> RangeWarning(const DescriptionElement& parameter, const headless::Value& value, const std::string& typed)
{
	const std::optional<double> number = NumberOf(value);
	if (number && !parameter.cycle.empty())
	{
		std::string choices;
		bool listed = false;
		for (const auto& choice : parameter.cycle)
		{
			choices += (choices.empty() ? "" : ", ") + std::to_string(choice.value) + " " + choice.label;
			listed = listed || choice.value == *number;
		}
		if (!listed)
			return parameter.symbol + " = " + typed + " is none of the attribute manager's choices (" + choices + ")";
	}
	if (!number || ((!parameter.min || *number >= parameter.Stored(*parameter.min)) && (!parameter.max || *number <= parameter.Stored(*parameter.max))))
		return std::nullopt;
	return parameter.symbol + " = " + typed + " is outside " + RangeText(parameter) + " of the attribute manager";
}

std::optional<std::string> DegreeNote(const DescriptionElement& parameter, const headless::Value& value, const std::string& typed)
{
	const std::optional<double> number = NumberOf(value);
	if (!number || parameter.unit != "DEGREE")
		return std::nullopt;
	char degrees[32];
	std::snprintf(degrees, sizeof degrees, "%.1f", parameter.Shown(*number));
	std::string shown = degrees;
	if (shown.ends_with(".0"))
		shown.resize(shown.size() - 2);
	return parameter.symbol + " = " + typed + " is in radians (" + shown + " degrees)";
}

} // namespace tool
