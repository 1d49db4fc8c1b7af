#include "tool/commands.h"
#include "tool/json_output.h"
#include "tool/product.h"

namespace tool
{

namespace
{

// The host's version query to the module's entry point.
constexpr std::int32_t VERSION_QUERY = 4;

} // namespace

int RunInfo(Session& session, std::ostream& out)
{
	headless::Host& host = session.Host();
	Json info;
	const C4DOS_ModuleRecord* record = host.Module()->Record();
	info["module"] = record && record->module_id ? Json(record->module_id) : Json(nullptr);
	info["version"] = host.CallMain(VERSION_QUERY);
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

int RunVersion(const std::filesystem::path& moduleFile, std::ostream& out)
{
	out << "pointsmith-host " << ToolVersion() << '\n';
	Session session(moduleFile);
	const C4DOS_ModuleRecord* record = session.Host().Module()->Record();
	out << "module " << (record && record->module_id ? record->module_id : "without identity") << " ("
		<< headless::ToUtf8(std::filesystem::absolute(moduleFile).lexically_normal()) << "): answers " << session.Host().CallMain(VERSION_QUERY)
		<< " to the version query\n";
	session.CheckProtocol();
	return 0;
}

} // namespace tool
