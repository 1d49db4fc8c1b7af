#include <cmath>
#include <vector>

#include "tool/commands.h"
#include "tool/contour_output.h"
#include "tool/parameter_input.h"
#include "tool/preset_diagnosis.h"

namespace tool
{

std::string ScaleProblem(const std::string& text)
{
	double value = 0.0;
	const std::errc error = ReadReal(text, value);
	if (error == std::errc::result_out_of_range)
		return "out of range";
	if (error != std::errc() || !(value > 0.0))
		return "not a positive number";
	// Below the normal doubles a unit would be more pixels than a double holds.
	return std::isnormal(value) ? std::string() : "too small";
}

void CheckOutlineFormat(const OutlineFormat& format)
{
	if (format.kind == "svg")
		return;
	std::vector<std::string> options;
	if (format.axes)
		options.push_back("--axis");
	if (format.order)
		options.push_back("--order");
	if (format.unitsPerPixel != 0.0)
		options.push_back("--scale");
	if (options.empty())
		return;
	std::string named = options.front();
	for (std::size_t i = 1; i < options.size(); ++i)
		named += (i + 1 == options.size() ? " and " : ", ") + options[i];
	throw InputError(named + (options.size() == 1 ? " belongs" : " belong") + " to --format svg, not " + format.kind);
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
		out << ContourSvg(contour, { format.axes, format.order, format.unitsPerPixel });
	else if (format.kind == "obj")
		out << ContourObj(contour);
	else
		out << Dump(ContourJson(contour)) << '\n';
	return 0;
}

} // namespace tool
