// params --describe: what the attribute manager shows of every parameter.
#include "tool/commands.h"
#include "tool/description_languages.h"
#include "tool/json_output.h"
#include "tool/parameter_range.h"
#include "tool/text_table.h"

namespace tool
{

namespace
{

using headless::resources::DescriptionElement;
using headless::resources::ElementKind;

// What one parameter shows: its declaration, its labels and a new arrow's state.
struct Described
{
	const DescriptionElement* element;
	Json defaultValue;
	bool enabled;
};

Json LabelsJson(const Labels& labels)
{
	Json json = Json::object();
	for (const auto& [language, text] : labels)
		json[language] = text;
	return json;
}

// A bound as the parameter's type holds it: an integer for LONG.
Json BoundJson(const DescriptionElement& parameter, const std::optional<double>& bound)
{
	if (!bound)
		return nullptr;
	if (parameter.kind == ElementKind::Long)
		return static_cast<std::int32_t>(*bound);
	return *bound;
}

Json DescribeJson(const headless::resources::Description& description, const DescriptionLanguages& languages, const std::vector<Described>& parameters)
{
	Json result = Json::object();
	for (const Described& described : parameters)
	{
		const DescriptionElement& parameter = *described.element;
		const DescriptionElement* group = description.Find(parameter.group);
		Json entry;
		entry["name"] = parameter.symbol;
		entry["group"] = group ? Json(group->symbol) : Json(nullptr);
		entry["label"] = LabelsJson(languages.Of(parameter.id));
		entry["type"] = std::string(headless::resources::KeywordOf(parameter.kind));
		entry["unit"] = parameter.unit.empty() ? Json(nullptr) : Json(parameter.unit);
		entry["min"] = BoundJson(parameter, parameter.min);
		entry["max"] = BoundJson(parameter, parameter.max);
		entry["step"] = BoundJson(parameter, parameter.step);
		Json cycle = parameter.cycle.empty() ? Json(nullptr) : Json::object();
		for (const auto& choice : parameter.cycle)
			cycle[std::to_string(choice.value)] = LabelsJson(languages.OfCycleEntry(parameter.id, choice.value));
		entry["cycle"] = cycle;
		entry["default"] = described.defaultValue;
		entry["enabled"] = described.enabled;
		result[std::to_string(parameter.id)] = entry;
	}
	return result;
}

std::string Choices(const DescriptionElement& parameter, const DescriptionLanguages& languages)
{
	std::string text;
	for (const auto& choice : parameter.cycle)
		text += (text.empty() ? "" : ", ") + std::to_string(choice.value) + " " + JoinedLabels(languages.OfCycleEntry(parameter.id, choice.value));
	return text;
}

std::string ValueText(const Json& value)
{
	return value.is_null() ? std::string() : value.dump();
}

// How deep group `id` lies: 0 for a group at the top.
int Depth(const headless::resources::Description& description, std::int32_t id)
{
	int depth = 0;
	for (const DescriptionElement* group = description.Find(id); group && group->group != 0; group = description.Find(group->group))
		++depth;
	return depth;
}

std::string DescribeText(const headless::resources::Description& description, const DescriptionLanguages& languages, const std::vector<Described>& parameters)
{
	TextTable table;
	table.Line(JoinedLabels(languages.OfDescription()) + ": " + std::to_string(parameters.size()) + " parameters, labels in " + languages.Names()
		+ "; greyed: the attribute manager does not let it be edited now");
	table.Row({ "ID", "NAME", "LABEL", "TYPE", "UNIT", "RANGE", "STEP", "DEFAULT", "STATE", "CHOICES" });
	std::size_t next = 0;
	for (const DescriptionElement& element : description.elements)
	{
		if (element.kind == ElementKind::Group && !element.symbol.empty())
			table.Line(std::string(static_cast<std::size_t>(2 * Depth(description, element.id)), ' ') + JoinedLabels(languages.Of(element.id)));
		if (next == parameters.size() || parameters[next].element != &element)
			continue;
		const Described& described = parameters[next++];
		// Parameters outside every group follow the last group: they get a heading of their own.
		if (element.group == 0 && (next == 1 || parameters[next - 2].element->group != 0))
			table.Line(JoinedLabels(languages.OfDescription()));
		std::string defaultText = ValueText(described.defaultValue);
		// A switch a new arrow does not hold reads as off.
		if (described.defaultValue.is_null() && element.kind == ElementKind::Bool)
			defaultText = "not set (off)";
		if (described.defaultValue.is_number_integer() && !element.cycle.empty())
			defaultText += " " + JoinedLabels(languages.OfCycleEntry(element.id, described.defaultValue.get<std::int32_t>()));
		if (described.defaultValue.is_number_float() && !ShownValue(element, described.defaultValue.get<double>()).empty())
			defaultText += " (" + ShownValue(element, described.defaultValue.get<double>()) + ")";
		// The increment as the range: stored, then as the attribute manager shows it.
		std::string stepText;
		if (element.step)
		{
			const double stored = element.Stored(*element.step);
			stepText = ValueText(BoundJson(element, stored));
			if (const std::string shown = ShownValue(element, stored); !shown.empty())
				stepText += " (" + shown + ")";
		}
		table.Row({ std::to_string(element.id), element.symbol, JoinedLabels(languages.Of(element.id)), std::string(headless::resources::KeywordOf(element.kind)),
			element.unit, RangeText(element), stepText, defaultText,
			described.enabled ? "" : "greyed", Choices(element, languages) });
	}
	return table.Render("    ");
}

} // namespace

int RunDescribe(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const std::string& format, std::ostream& out)
{
	headless::Host& host = session.Host();
	const headless::resources::Description& description = *session.ArrowType().description;
	const DescriptionLanguages languages(description, host.Options().language);
	headless::Object* arrow = session.NewArrow(false, {});
	const headless::Container defaults = arrow->data;
	if (empty)
		arrow->data.Flush();
	session.ApplyEdits(arrow, edits);

	std::vector<Described> parameters;
	for (const DescriptionElement& element : description.elements)
	{
		if (element.IsParameter())
			parameters.push_back({ &element, ValueToJson(defaults.Get(element.id), host.scene), host.IsEnabled(arrow, element.id) });
	}
	session.CheckProtocol();
	if (format == "text")
		out << DescribeText(description, languages, parameters);
	else
		out << DescribeJson(description, languages, parameters).dump() << '\n';
	return 0;
}

} // namespace tool
