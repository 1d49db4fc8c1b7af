#include "tool/commands.h"
#include "tool/json_output.h"
#include "tool/preset_diagnosis.h"
#include "tool/product.h"

namespace tool
{

int RunPresetShow(Session& session, const std::string& file, std::ostream& out, std::ostream& err)
{
	headless::Object* arrow = session.NewArrow(false, {});
	headless::Host& host = session.Host();
	const bool loaded = session.LoadPreset(arrow, file);
	Json values = Json::object();
	for (std::int32_t id : PRESET_PARAMETERS)
		values[std::to_string(id)] = ValueToJson(arrow->data.Get(id), host.scene);
	Json result;
	result["loaded"] = loaded;
	result["values"] = values;
	out << result.dump() << '\n';
	if (!loaded)
		err << "pointsmith-host: " << NotLoaded(host, *session.ArrowType().description, file) << '\n';
	return loaded ? 0 : 1;
}

int RunPresetSave(Session& session, const std::string& file, const std::vector<ParameterEdit>& edits, std::ostream& out, std::ostream& err)
{
	headless::Object* arrow = session.NewArrow(false, edits);
	headless::Host& host = session.Host();
	host.placedFiles.paths.clear();
	host.fileHistory.Clear();
	// An empty name is no file: the button is not pressed for it.
	if (!file.empty())
	{
		host.fileDialogs.answers.push_back(file);
		host.PressButton(arrow, ARROW_PRESET_SAVE);
		session.CheckProtocol();
	}

	if (host.placedFiles.paths.empty())
	{
		err << "pointsmith-host: " << NotSaved(host, *session.ArrowType().description, *arrow, file) << '\n';
		return 1;
	}
	out << host.placedFiles.paths.back() << '\n';
	return 0;
}

} // namespace tool
