#include <cmath>

#include "tool/commands.h"
#include "tool/contour_output.h"
#include "tool/parameter_input.h"

namespace tool
{

bool IsScale(const std::string& text)
{
	const std::optional<headless::Value> value = ReadValueAs(headless::ValueKind::Float, text);
	return value && std::isnormal(std::get<double>(*value)) && std::get<double>(*value) > 0.0;
}

int RunOutline(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const OutlineFormat& format, std::ostream& out)
{
	headless::Object* arrow = session.NewArrow(empty, {});
	if (!format.preset.empty() && !session.LoadPreset(arrow, format.preset))
		throw CommandFailure(format.preset + " was not loaded");
	session.ApplyEdits(arrow, edits);
	const Contour contour = TakeContour(session.Host(), arrow);
	session.CheckProtocol();
	if (format.kind == "svg")
		out << ContourSvg(contour, { format.axes, format.order, format.unitsPerPixel });
	else if (format.kind == "obj")
		out << ContourObj(contour);
	else
		out << Dump(ContourJson(contour)) << '\n';
	return 0;
}

} // namespace tool
