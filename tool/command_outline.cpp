#include "tool/commands.h"
#include "tool/contour_output.h"

namespace tool
{

int RunOutline(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const OutlineFormat& format, std::ostream& out)
{
	headless::Object* arrow = session.NewArrow(empty, {});
	if (!format.preset.empty() && !session.LoadPreset(arrow, format.preset))
		throw CommandFailure(format.preset + " was not loaded");
	session.ApplyEdits(arrow, edits);
	const Contour contour = TakeContour(session.Host(), arrow);
	session.CheckProtocol();
	if (format.kind == "svg")
		out << ContourSvg(contour, format.axes, format.order);
	else if (format.kind == "obj")
		out << ContourObj(contour);
	else
		out << Dump(ContourJson(contour)) << '\n';
	return 0;
}

} // namespace tool
