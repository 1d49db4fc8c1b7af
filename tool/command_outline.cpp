#include <cmath>
#include <sstream>
#include <vector>

#include "tool/commands.h"
#include "tool/contour_output.h"
#include "tool/parameter_input.h"
#include "tool/point_input.h"
#include "tool/preset_diagnosis.h"
#include "tool/product.h"

namespace tool
{

OutlinePath ReadOutlinePath(const std::string& text, bool closed)
{
	std::vector<std::string> texts;
	std::istringstream words(text);
	for (std::string word; words >> word;)
		texts.push_back(word);
	if (texts.empty())
		throw InputError("--path needs at least one point x,y or x,y,z");
	return OutlinePath { ReadPoints(texts), closed };
}

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

namespace
{

// The picture of the arrow's contour. Numbers at every point of a rounded
// outline would crowd its arcs, so they go to the corners of the outline the
// arrow gives with rounding off.
std::string Picture(Session& session, headless::Object* arrow, const Contour& contour, const OutlineFormat& format, const OutlinePath& path,
	std::ostream& err)
{
	SvgOptions options;
	options.axes = format.axes;
	options.order = format.order;
	options.unitsPerPixel = format.unitsPerPixel;
	for (std::size_t i = 0; i + 2 < path.points.size(); i += 3)
		options.path.push_back({ path.points[i], path.points[i + 1], path.points[i + 2] });
	options.pathClosed = path.closed;
	const headless::Value& rounding = arrow->data.Get(ARROW_ROUND);
	if (format.order && std::holds_alternative<bool>(rounding) && std::get<bool>(rounding))
	{
		// The host rebuilds the contour only for a changed arrow.
		arrow->data.Set(ARROW_ROUND, false);
		session.Host().scene.Touch(*arrow, C4DOS_DIRTY_DATA);
		options.corners = TakeContour(session.Host(), arrow).points;
		arrow->data.Set(ARROW_ROUND, true);
		session.CheckProtocol();
	}
	if (!SvgHoldsContour(contour, options))
		err << "pointsmith-host: warning: at --scale " << format.unitsPerPixel << " the outline does not fit the picture and is cut off\n";
	return ContourSvg(contour, options);
}

} // namespace

int RunOutline(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const OutlineFormat& format, const OutlinePath& path,
	std::ostream& out, std::ostream& err)
{
	headless::Object* arrow = session.NewArrow(empty, {});
	if (!format.preset.empty() && !session.LoadPreset(arrow, format.preset))
		throw CommandFailure(NotLoaded(session.Host(), *session.ArrowType().description, format.preset));
	session.ApplyEdits(arrow, edits);
	if (!path.points.empty())
		session.FollowPath(arrow, path.points, path.closed);
	const Contour contour = TakeContour(session.Host(), arrow);
	session.CheckProtocol();
	if (format.kind == "svg")
		out << Picture(session, arrow, contour, format, path, err);
	else if (format.kind == "obj")
		out << ContourObj(contour);
	else
		out << Dump(ContourJson(contour)) << '\n';
	return 0;
}

} // namespace tool
