#include <cmath>
#include <vector>

#include "tool/commands.h"
#include "tool/contour_output.h"
#include "tool/parameter_input.h"
#include "tool/preset_diagnosis.h"
#include "tool/product.h"

namespace tool
{

bool IsScale(const std::string& text)
{
	const std::optional<headless::Value> value = ReadValueAs(headless::ValueKind::Float, text);
	return value && std::isnormal(std::get<double>(*value)) && std::get<double>(*value) > 0.0;
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

namespace
{

// The picture of the arrow's contour. Numbers at every point of a rounded
// outline would crowd its arcs, so they go to the corners of the outline the
// arrow gives with rounding off.
std::string Picture(Session& session, headless::Object* arrow, const Contour& contour, const OutlineFormat& format, std::ostream& err)
{
	SvgOptions options { format.axes, format.order, format.unitsPerPixel, {} };
	const headless::Value& rounding = arrow->data.Get(ARROW_ROUND);
	if (format.order && std::holds_alternative<bool>(rounding) && std::get<bool>(rounding))
	{
		arrow->data.Set(ARROW_ROUND, false);
		options.corners = TakeContour(session.Host(), arrow).points;
		arrow->data.Set(ARROW_ROUND, true);
		session.CheckProtocol();
	}
	if (!SvgHoldsContour(contour, options))
		err << "pointsmith-host: warning: at --scale " << format.unitsPerPixel << " the outline does not fit the picture and is cut off\n";
	return ContourSvg(contour, options);
}

} // namespace

int RunOutline(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const OutlineFormat& format, std::ostream& out, std::ostream& err)
{
	headless::Object* arrow = session.NewArrow(empty, {});
	if (!format.preset.empty() && !session.LoadPreset(arrow, format.preset))
		throw CommandFailure(NotLoaded(session.Host(), *session.ArrowType().description, format.preset));
	session.ApplyEdits(arrow, edits);
	const Contour contour = TakeContour(session.Host(), arrow);
	session.CheckProtocol();
	if (format.kind == "svg")
		out << Picture(session, arrow, contour, format, err);
	else if (format.kind == "obj")
		out << ContourObj(contour);
	else
		out << Dump(ContourJson(contour)) << '\n';
	return 0;
}

} // namespace tool
