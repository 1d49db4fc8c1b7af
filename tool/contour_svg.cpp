// The contour as a picture: the outline in the plane it lies in, seen from
// the front of that plane, fitted to the view or drawn at a given scale, with
// a caption naming the plane and the scale.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "tool/contour_output.h"
#include "tool/label_placement.h"
#include "tool/number_text.h"

namespace tool
{

namespace
{

constexpr double VIEW_WIDTH = 640.0;
constexpr double VIEW_HEIGHT = 400.0;
constexpr double CAPTION_HEIGHT = 26.0; // the band below the drawing
constexpr double DRAWING_HEIGHT = VIEW_HEIGHT - CAPTION_HEIGHT;
constexpr double MARGIN = 32.0;
constexpr double AXIS_FONT = 13.0;
constexpr double NUMBER_FONT = 12.0;
constexpr double CAPTION_FONT = 12.0;

// Which two coordinates span the outline's plane: the turned planes leave
// x (ZY) or y (XZ) at zero for every point.
struct Plane
{
	int u;
	int v;
	const char* uName;
	const char* vName;
	const char* name;
};

Plane PlaneOf(const Contour& contour)
{
	const auto flat = [&](int axis) {
		return std::all_of(contour.points.begin(), contour.points.end(), [axis](const headless::Vector3& p) { return p[static_cast<std::size_t>(axis)] == 0.0; });
	};
	if (flat(0) && !flat(2))
		return { 2, 1, "Z", "Y", "ZY" };
	if (flat(1) && !flat(2))
		return { 0, 2, "X", "Z", "XZ" };
	return { 0, 1, "X", "Y", "XY" };
}

// A coordinate, whole however far out it lies.
std::string Number(double value)
{
	return ShortestText(value);
}

std::string Plain(double value)
{
	char text[32];
	std::snprintf(text, sizeof text, "%.4g", value);
	return text;
}

std::string Units(double value)
{
	return Plain(value) + (value == 1.0 ? " unit" : " units");
}

// Maps plane coordinates to the drawing, y upwards: fitted with proportions
// kept, or at `unitsPerPixel` when that is above zero; centred either way.
class ViewMapping
{
public:
	ViewMapping(const std::vector<headless::Vector3>& drawn, const Plane& plane, bool withOrigin, double unitsPerPixel)
	{
		double minU = withOrigin ? 0.0 : INFINITY, maxU = withOrigin ? 0.0 : -INFINITY;
		double minV = minU, maxV = maxU;
		for (const headless::Vector3& p : drawn)
		{
			minU = std::min(minU, p[static_cast<std::size_t>(plane.u)]);
			maxU = std::max(maxU, p[static_cast<std::size_t>(plane.u)]);
			minV = std::min(minV, p[static_cast<std::size_t>(plane.v)]);
			maxV = std::max(maxV, p[static_cast<std::size_t>(plane.v)]);
		}
		if (!std::isfinite(minU + maxU + minV + maxV))
			minU = maxU = minV = maxV = 0.0;
		const double width = maxU - minU;
		const double height = maxV - minV;
		const double fit = std::min(width > 0.0 ? (VIEW_WIDTH - 2 * MARGIN) / width : INFINITY, height > 0.0 ? (DRAWING_HEIGHT - 2 * MARGIN) / height : INFINITY);
		_scale = unitsPerPixel > 0.0 ? 1.0 / unitsPerPixel : std::isfinite(fit) && fit > 0.0 ? fit : 1.0;
		_centreU = (minU + maxU) * 0.5;
		_centreV = (minV + maxV) * 0.5;
	}

	double X(double u) const { return VIEW_WIDTH * 0.5 + (u - _centreU) * _scale; }
	double Y(double v) const { return DRAWING_HEIGHT * 0.5 - (v - _centreV) * _scale; }
	double PixelsPerUnit() const { return _scale; }

private:
	double _scale = 1.0;
	double _centreU = 0.0;
	double _centreV = 0.0;
};

// Draws the axes that cross the drawing; they and their labels become obstacles.
Obstacles DrawAxes(std::ostringstream& svg, const ViewMapping& view, const Plane& plane)
{
	const double x0 = view.X(0.0);
	const double y0 = view.Y(0.0);
	Obstacles axes;
	const auto line = [&](Point2 from, Point2 to) {
		svg << "<line x1=\"" << Number(from.x) << "\" y1=\"" << Number(from.y) << "\" x2=\"" << Number(to.x) << "\" y2=\"" << Number(to.y) << "\"/>";
		axes.lines.push_back({ from, to });
	};
	svg << "<g class=\"axes\" stroke=\"#7a8699\" stroke-width=\"1\" stroke-dasharray=\"4 3\">";
	if (y0 >= 0.0 && y0 <= DRAWING_HEIGHT)
		line({ 0.0, y0 }, { VIEW_WIDTH, y0 });
	if (x0 >= 0.0 && x0 <= VIEW_WIDTH)
		line({ x0, 0.0 }, { x0, DRAWING_HEIGHT });
	svg << "</g>\n<g font-family=\"sans-serif\" font-size=\"" << AXIS_FONT << "\" fill=\"#4a5568\" text-anchor=\"middle\">";
	// Each label beside the end of its axis, kept inside the drawing.
	const Box half = TextBox({ 0.0, 0.0 }, 2, AXIS_FONT);
	const auto label = [&](Point2 centre, const char* name) {
		centre.x = std::clamp(centre.x, -half.left, VIEW_WIDTH + half.left);
		centre.y = std::clamp(centre.y, -half.top, DRAWING_HEIGHT + half.top);
		svg << "<text class=\"axis-label\" x=\"" << Number(centre.x) << "\" y=\"" << Number(TextBaseline(centre.y, AXIS_FONT)) << "\">+" << name << "</text>";
		axes.texts.push_back(TextBox(centre, 2, AXIS_FONT));
	};
	label({ VIEW_WIDTH - 16.0, y0 - 12.0 }, plane.uName);
	label({ x0 + 16.0, 12.0 }, plane.vName);
	svg << "</g>\n";
	return axes;
}

// A round length (1, 2 or 5 times a power of ten) of at least `minimum`.
double RoundLength(double minimum)
{
	const double power = std::pow(10.0, std::floor(std::log10(minimum)));
	for (double step : { 1.0, 2.0, 5.0, 10.0 })
	{
		if (step * power >= minimum)
			return step * power;
	}
	return 10.0 * power;
}

// The band below the drawing: the plane and the scale on the left, a scale
// bar of a round length on the right.
void DrawCaption(std::ostringstream& svg, const Plane& plane, const ViewMapping& view)
{
	const double unitsPerPixel = 1.0 / view.PixelsPerUnit();
	const double length = RoundLength(60.0 * unitsPerPixel);
	const double bar = length * view.PixelsPerUnit();
	const double baseline = VIEW_HEIGHT - 9.0;
	const double barRight = VIEW_WIDTH - 84.0;
	const std::string top = Number(baseline - 8.0), middle = Number(baseline - 4.0), bottom = Number(baseline);
	svg << "<g class=\"caption\" font-family=\"sans-serif\" font-size=\"" << CAPTION_FONT << "\" fill=\"#4a5568\">"
		<< "<rect y=\"" << DRAWING_HEIGHT << "\" width=\"" << VIEW_WIDTH << "\" height=\"" << CAPTION_HEIGHT << "\" fill=\"#eef0f4\"/>"
		<< "<text class=\"plane\" x=\"10\" y=\"" << bottom << "\">plane " << plane.name << "</text>"
		<< "<text class=\"scale\" x=\"90\" y=\"" << bottom << "\">1 px = " << Units(unitsPerPixel) << "</text>"
		<< "<path stroke=\"#4a5568\" stroke-width=\"1.5\" fill=\"none\" d=\"M" << Number(barRight - bar) << ' ' << top << "V" << bottom << "M"
		<< Number(barRight - bar) << ' ' << middle << "H" << Number(barRight) << "M" << Number(barRight) << ' ' << top << "V" << bottom << "\"/>"
		<< "<text class=\"bar\" x=\"" << VIEW_WIDTH - 10.0 << "\" y=\"" << bottom << "\" text-anchor=\"end\">" << Units(length) << "</text></g>\n";
}

void DrawNumbers(std::ostringstream& svg, const std::vector<Point2>& points, const Obstacles& obstacles)
{
	const std::vector<Point2> centres = PlacePointNumbers(points, obstacles, { 0.0, 0.0, VIEW_WIDTH, DRAWING_HEIGHT }, NUMBER_FONT);
	svg << "<g font-family=\"sans-serif\" font-size=\"" << NUMBER_FONT << "\" fill=\"#1a365d\">";
	for (const Point2& p : points)
		svg << "<circle cx=\"" << Number(p.x) << "\" cy=\"" << Number(p.y) << "\" r=\"2.5\"/>";
	for (std::size_t i = 0; i < centres.size(); ++i)
		svg << "<text class=\"number\" x=\"" << Number(centres[i].x) << "\" y=\"" << Number(TextBaseline(centres[i].y, NUMBER_FONT))
			<< "\" text-anchor=\"middle\">" << i << "</text>";
	svg << "</g>\n";
}

std::vector<Point2> InView(const std::vector<headless::Vector3>& points, const ViewMapping& view, const Plane& plane)
{
	std::vector<Point2> mapped;
	for (const headless::Vector3& p : points)
		mapped.push_back({ view.X(p[static_cast<std::size_t>(plane.u)]), view.Y(p[static_cast<std::size_t>(plane.v)]) });
	return mapped;
}

// What the view fits: the outline and the path it follows.
std::vector<headless::Vector3> Drawn(const Contour& contour, const SvgOptions& options)
{
	std::vector<headless::Vector3> drawn = contour.points;
	drawn.insert(drawn.end(), options.path.begin(), options.path.end());
	return drawn;
}

} // namespace

bool SvgHoldsContour(const Contour& contour, const SvgOptions& options)
{
	const Plane plane = PlaneOf(contour);
	const std::vector<Point2> points = InView(contour.points, ViewMapping(Drawn(contour, options), plane, options.axes, options.unitsPerPixel), plane);
	return std::all_of(points.begin(), points.end(), [](const Point2& p) { return p.x >= 0.0 && p.x <= VIEW_WIDTH && p.y >= 0.0 && p.y <= DRAWING_HEIGHT; });
}

std::string ContourSvg(const Contour& contour, const SvgOptions& options)
{
	const Plane plane = PlaneOf(contour);
	const ViewMapping view(Drawn(contour, options), plane, options.axes, options.unitsPerPixel);
	const std::vector<Point2> points = InView(contour.points, view, plane);

	std::ostringstream svg;
	svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << VIEW_WIDTH << ' ' << VIEW_HEIGHT << "\" width=\"" << VIEW_WIDTH << "\" height=\""
		<< VIEW_HEIGHT << "\">\n"
		<< "<rect width=\"100%\" height=\"100%\" fill=\"#fbfbfd\"/>\n";
	// The drawing stays above the caption whatever the scale.
	svg << "<clipPath id=\"drawing\"><rect width=\"" << VIEW_WIDTH << "\" height=\"" << DRAWING_HEIGHT << "\"/></clipPath>\n<g clip-path=\"url(#drawing)\">\n";
	Obstacles axes;
	if (options.axes)
		axes = DrawAxes(svg, view, plane);

	if (!options.path.empty())
	{
		svg << "<" << (options.pathClosed ? "polygon" : "polyline") << " class=\"path\" fill=\"none\" stroke=\"#9aa3b1\" stroke-width=\"1.5\" points=\"";
		const std::vector<Point2> path = InView(options.path, view, plane);
		for (std::size_t i = 0; i < path.size(); ++i)
			svg << (i ? " " : "") << Number(path[i].x) << ',' << Number(path[i].y);
		svg << "\"/>\n";
	}
	svg << "<polygon fill=\"#f4a340\" fill-opacity=\"0.85\" stroke=\"#7a3d08\" stroke-width=\"2\" stroke-linejoin=\"round\" points=\"";
	for (std::size_t i = 0; i < points.size(); ++i)
		svg << (i ? " " : "") << Number(points[i].x) << ',' << Number(points[i].y);
	svg << "\"/>\n";
	if (options.order)
		DrawNumbers(svg, options.corners.empty() ? points : InView(options.corners, view, plane), axes);
	svg << "</g>\n";
	DrawCaption(svg, plane, view);
	svg << "</svg>\n";
	return svg.str();
}

} // namespace tool
