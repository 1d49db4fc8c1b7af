#include "tool/commands.h"
#include "tool/contour_output.h"
#include "tool/parameter_input.h"
#include "tool/preset_diagnosis.h"

namespace tool
{

void CheckOutlineFormat(const OutlineFormat& format)
{
	if (format.kind == "svg" || (!format.axes && !format.order))
		return;
	const std::string options = format.axes && format.order ? "--axis and --order belong" : format.axes ? "--axis belongs" : "--order belongs";
	throw InputError(options + " to --format svg, not " + format.kind);
}

int RunOutline(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const OutlineFormat& format, std::ostream& out)
{
	headless::Object* arrow = session.NewArrow(empty, {});
	if (!format.preset.empty() && !session.LoadPreset(arrow, format.preset))
		throw CommandFailure(NotLoaded(session.Host(), *session.ArrowType().description, format.preset));
	session.ApplyEdits(arrow, edits);
	const Contour contour = TakeContour(session.Host(), arrow);
	session.CheckProtocol();
	if (format.kind == "svg")
		out << ContourSvg(contour, format.axes, format.order);
	else if (format.kind == "obj")
		out << ContourObj(contour);
	else
		out << ContourJson(contour).dump() << '\n';
	return 0;
}

} // namespace tool
