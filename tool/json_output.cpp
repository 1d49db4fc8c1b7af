#include "tool/json_output.h"

#include "tool/object_kinds.h"

namespace tool
{

std::string Dump(const Json& json)
{
	return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json ValueToJson(const headless::Value& value, const headless::Scene& scene)
{
	if (auto* flag = std::get_if<bool>(&value))
		return *flag;
	if (auto* integer = std::get_if<std::int32_t>(&value))
		return *integer;
	if (auto* real = std::get_if<double>(&value))
		return *real;
	if (auto* vector = std::get_if<headless::Vector3>(&value))
		return Json::array({ (*vector)[0], (*vector)[1], (*vector)[2] });
	if (auto* text = std::get_if<std::string>(&value))
		return *text;
	if (auto* link = std::get_if<headless::Link>(&value))
	{
		const headless::Atom* atom = link->target ? scene.FindId(link->target) : nullptr;
		if (!atom)
			return nullptr;
		return atom->name.empty() ? Json(KindName(atom->Type())) : Json(atom->name);
	}
	return nullptr;
}

} // namespace tool
