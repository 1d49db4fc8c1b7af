#include "tool/session.h"

#include "tool/parameter_input.h"
#include "tool/product.h"

namespace tool
{

Session::Session(const std::filesystem::path& moduleFile)
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

headless::Object* Session::NewArrow(bool empty, const std::vector<ParameterEdit>& edits)
{
	// Edits are checked before the arrow exists, so bad input makes nothing.
	std::vector<std::pair<std::int32_t, headless::Value>> changes;
	for (const ParameterEdit& edit : edits)
	{
		const auto& parameter = FindParameter(*_arrowType->description, edit.name);
		if (parameter.kind == headless::resources::ElementKind::Button)
			throw InputError(parameter.symbol + " is a button and holds no value");
		changes.emplace_back(parameter.id, edit.value ? ParseParameterValue(parameter, *edit.value) : headless::Value());
	}

	headless::Object* arrow = _host.NewObjectFromMenu(_document, ARROW_PLUGIN_ID);
	if (!arrow)
		throw HostError("the module could not make an arrow");
	if (empty)
		arrow->data.Flush();
	for (auto& [id, value] : changes)
		arrow->data.Set(id, std::move(value));
	CheckProtocol();
	return arrow;
}

void Session::CheckProtocol() const
{
	if (std::optional<std::string> fault = _host.protocol.First())
		throw HostError("protocol fault: " + *fault);
}

} // namespace tool
