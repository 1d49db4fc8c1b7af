#include "tool/parameter_range.h"

#include <numbers>

#include "tool/number_text.h"

namespace tool
{

namespace
{

using headless::resources::DescriptionElement;

std::optional<double> NumberOf(const headless::Value& value)
{
	if (const auto* integer = std::get_if<std::int32_t>(&value))
		return *integer;
	if (const auto* real = std::get_if<double>(&value))
		return *real;
	return std::nullopt;
}

} // namespace

std::string ShownValue(const DescriptionElement& parameter, double value)
{
	// Worked out beyond a double's range, so that the largest bounds show as numbers too.
	if (parameter.unit == "PERCENT")
		return RoundedText(static_cast<long double>(value) * 100.0L, 10) + "%";
	if (parameter.unit == "DEGREE")
		return RoundedText(static_cast<long double>(value) * 180.0L / std::numbers::pi_v<long double>, 10) + "\u00b0";
	return {};
}

namespace
{

std::string ShownRange(const DescriptionElement& parameter)
{
	const std::string low = parameter.min ? ShownValue(parameter, *parameter.min) : std::string();
	const std::string high = parameter.max ? ShownValue(parameter, *parameter.max) : std::string();
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
	std::string text = (parameter.min ? ShortestText(*parameter.min) : std::string()) + ".." + (parameter.max ? ShortestText(*parameter.max) : std::string());
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
	if (!number || ((!parameter.min || *number >= *parameter.min) && (!parameter.max || *number <= *parameter.max)))
		return std::nullopt;
	return parameter.symbol + " = " + typed + " is outside " + RangeText(parameter) + " of the attribute manager";
}

} // namespace tool
