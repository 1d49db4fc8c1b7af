#include "tool/commands.h"
#include "tool/json_output.h"

namespace tool
{

int RunInfo(Session& session, std::ostream& out)
{
	headless::Host& host = session.Host();
	Json info;
	const C4DOS_ModuleRecord* record = host.Module()->Record();
	info["module"] = record && record->module_id ? Json(record->module_id) : Json(nullptr);
	info["frameworks"] = Json::array();
	for (int32_t i = 0; record && i < record->framework_count; ++i)
		info["frameworks"].push_back(record->frameworks[i]);

	const headless::RegisteredObject& arrow = session.ArrowType();
	Json registration;
	registration["id"] = arrow.id;
	registration["name"] = arrow.name;
	registration["info"] = arrow.info;
	registration["description"] = arrow.descriptionName;
	registration["icon"] = arrow.iconSize ? Json::array({ arrow.iconSize->first, arrow.iconSize->second }) : Json(nullptr);
	info["registration"] = registration;
	info["console"] = host.console.lines;
	out << Dump(info) << '\n';
	return 0;
}

} // namespace tool
