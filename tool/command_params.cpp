#include <algorithm>

#include "tool/commands.h"
#include "tool/json_output.h"

namespace tool
{

int RunParams(Session& session, bool empty, const std::vector<ParameterEdit>& edits, std::ostream& out)
{
	headless::Object* arrow = session.NewArrow(empty, edits);
	std::vector<const headless::resources::DescriptionElement*> parameters;
	for (const auto& element : session.ArrowType().description->elements)
	{
		if (element.IsParameter())
			parameters.push_back(&element);
	}
	std::sort(parameters.begin(), parameters.end(), [](auto* a, auto* b) { return a->id < b->id; });

	Json result = Json::object();
	for (const auto* parameter : parameters)
	{
		Json entry;
		entry["name"] = parameter->symbol;
		entry["type"] = std::string(headless::resources::KeywordOf(parameter->kind));
		entry["value"] = ValueToJson(arrow->data.Get(parameter->id), session.Host().scene);
		entry["enabled"] = session.Host().IsEnabled(arrow, parameter->id);
		result[std::to_string(parameter->id)] = entry;
	}
	session.CheckProtocol();
	out << Dump(result) << '\n';
	return 0;
}

} // namespace tool
