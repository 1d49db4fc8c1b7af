#include "tool/session.h"

#include <algorithm>

#include "headless/host_objects.h"
#include "tool/parameter_input.h"
#include "tool/parameter_range.h"
#include "tool/product.h"

namespace tool
{

Session::Session(const std::filesystem::path& moduleFile, std::ostream& warnings) : _warnings(warnings)
{
	std::string reason;
	if (!_host.Start(moduleFile, reason))
		throw HostError(reason);
	_arrowType = _host.plugins.FindObject(ARROW_PLUGIN_ID);
	if (!_arrowType || !_arrowType->description)
		throw HostError("the module registered no arrow object with a description");
	_document = _host.NewDocument();
	CheckProtocol();
}

std::vector<std::pair<std::int32_t, headless::Value>> Session::ResolveEdits(const std::vector<ParameterEdit>& edits) const
{
	std::vector<std::pair<std::int32_t, headless::Value>> changes;
	std::vector<std::string> remarks;
	for (const ParameterEdit& edit : edits)
	{
		const auto& parameter = FindParameter(*_arrowType->description, edit.name);
		if (parameter.kind == headless::resources::ElementKind::Button)
			throw InputError(parameter.symbol + " is a button and holds no value");
		changes.emplace_back(parameter.id, edit.value ? ParseParameterValue(parameter, *edit.value) : headless::Value());
		if (edit.value)
		{
			if (std::optional<std::string> warning = RangeWarning(parameter, changes.back().second, *edit.value))
				remarks.push_back("warning: " + *warning);
			if (std::optional<std::string> note = DegreeNote(parameter, changes.back().second, *edit.value))
				remarks.push_back("note: " + *note);
		}
	}
	// Only edits that all apply are remarked on.
	for (const std::string& remark : remarks)
		_warnings << "pointsmith-host: " << remark << '\n';
	return changes;
}

headless::Object* Session::NewArrow(bool empty, const std::vector<ParameterEdit>& edits)
{
	// Edits are checked before the arrow exists, so bad input makes nothing.
	const auto changes = ResolveEdits(edits);
	headless::Object* arrow = _host.NewObjectFromMenu(_document, ARROW_PLUGIN_ID);
	if (!arrow)
		throw HostError("the module could not make an arrow");
	if (empty)
		arrow->data.Flush();
	for (const auto& [id, value] : changes)
		arrow->data.Set(id, value);
	CheckProtocol();
	return arrow;
}

void Session::ApplyEdits(headless::Object* arrow, const std::vector<ParameterEdit>& edits)
{
	for (const auto& [id, value] : ResolveEdits(edits))
		arrow->data.Set(id, value);
}

void Session::FollowPath(headless::Object* arrow, const std::vector<double>& points, bool closed)
{
	headless::Object* spline = _host.NewObjectFromMenu(_document, headless::OBJECT_SPLINE, "path");
	_host.SetPoints(spline, points);
	_host.SetParameter(spline, headless::SPLINEOBJECT_CLOSED, closed);
	_host.SetParameter(arrow, ARROW_PATH, headless::Link { spline->Id() });
	CheckProtocol();
}

bool Session::LoadPreset(headless::Object* arrow, const std::string& file)
{
	constexpr std::int32_t MSG_UPDATE = 5;
	_host.fileDialogs.answers.push_back(file);
	_host.fileHistory.Clear();
	arrow->messages.clear();
	_host.PressButton(arrow, ARROW_PRESET_LOAD);
	CheckProtocol();
	// The module tells the arrow to update when, and only when, a preset was loaded.
	return std::find(arrow->messages.begin(), arrow->messages.end(), MSG_UPDATE) != arrow->messages.end();
}

void Session::CheckProtocol() const
{
	if (std::optional<std::string> fault = _host.protocol.First())
		throw HostError("protocol fault: " + *fault);
}

} // namespace tool
