#include <charconv>

#include "headless/paths.h"
#include "tool/commands.h"
#include "tool/json_output.h"
#include "tool/preset_diagnosis.h"
#include "tool/product.h"

namespace tool
{

namespace
{

// A value as --set takes it. A float a preset file held (every one is a
// 32-bit float there) prints in the shortest form that reads back as that
// float: 0.8, not 0.800000011920929.
std::string SetText(const Json& value)
{
	if (value.is_string())
		return value.get<std::string>();
	if (value.is_number_float())
	{
		const double number = value.get<double>();
		const float single = static_cast<float>(number);
		char text[32];
		const auto end = std::to_chars(text, text + sizeof text, single).ptr;
		const std::string shortest(text, end);
		if (static_cast<double>(single) == number)
			return shortest.find_first_of(".e") == std::string::npos ? shortest + ".0" : shortest;
	}
	return value.dump();
}

// The file a preset name stands for: the name with the preset suffix added
// unless it ends in it, as the arrow's save button names the file it writes
// ("My Arrow v1.2" is "My Arrow v1.2.arr").
std::string PresetFile(const std::string& name)
{
	return name.empty() || headless::HasSuffix(name, PRESET_SUFFIX) ? name : name + "." + PRESET_SUFFIX;
}

} // namespace

int RunPresetShow(Session& session, const std::string& name, const std::string& format, std::ostream& out, std::ostream& err)
{
	headless::Object* arrow = session.NewArrow(false, {});
	headless::Host& host = session.Host();
	const std::string file = PresetFile(name);
	const bool loaded = session.LoadPreset(arrow, file);
	Json values = Json::object();
	for (std::int32_t id : PRESET_PARAMETERS)
		values[std::to_string(id)] = ValueToJson(arrow->data.Get(id), host.scene);
	if (format == "text")
	{
		for (std::int32_t id : PRESET_PARAMETERS)
		{
			const headless::resources::DescriptionElement* parameter = session.ArrowType().description->Find(id);
			out << (parameter ? parameter->symbol : std::to_string(id)) << '=' << SetText(values[std::to_string(id)]) << '\n';
		}
	}
	else
	{
		Json result;
		result["loaded"] = loaded;
		result["values"] = values;
		out << Dump(result) << '\n';
	}
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
