// The contour as a picture: the outline in the plane it lies in, seen from
// the front of that plane, scaled to fill a fixed view.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "tool/contour_output.h"

namespace tool
{

namespace
{

constexpr double VIEW_WIDTH = 640.0;
constexpr double VIEW_HEIGHT = 400.0;
constexpr double MARGIN = 32.0;

// Which two coordinates span the outline's plane: the turned planes leave
// x (ZY) or y (XZ) at zero for every point.
struct Plane
{
	int u;
	int v;
	const char* uName;
	const char* vName;
};

Plane PlaneOf(const Contour& contour)
{
	const auto flat = [&](int axis) {
		return std::all_of(contour.points.begin(), contour.points.end(), [axis](const headless::Vector3& p) { return p[static_cast<std::size_t>(axis)] == 0.0; });
	};
	if (flat(0) && !flat(2))
		return { 2, 1, "Z", "Y" };
	if (flat(1) && !flat(2))
		return { 0, 2, "X", "Z" };
	return { 0, 1, "X", "Y" };
}

std::string Number(double value)
{
	char text[32];
	std::snprintf(text, sizeof text, "%.3f", value);
	return text;
}

// Maps plane coordinates to the view, y upwards, keeping proportions.
class ViewMapping
{
public:
	ViewMapping(const Contour& contour, const Plane& plane, bool withOrigin)
	{
		double minU = withOrigin ? 0.0 : INFINITY, maxU = withOrigin ? 0.0 : -INFINITY;
		double minV = minU, maxV = maxU;
		for (const headless::Vector3& p : contour.points)
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
		const double fit = std::min(width > 0.0 ? (VIEW_WIDTH - 2 * MARGIN) / width : INFINITY, height > 0.0 ? (VIEW_HEIGHT - 2 * MARGIN) / height : INFINITY);
		_scale = std::isfinite(fit) && fit > 0.0 ? fit : 1.0;
		_centreU = (minU + maxU) * 0.5;
		_centreV = (minV + maxV) * 0.5;
	}

	double X(double u) const { return VIEW_WIDTH * 0.5 + (u - _centreU) * _scale; }
	double Y(double v) const { return VIEW_HEIGHT * 0.5 - (v - _centreV) * _scale; }

private:
	double _scale = 1.0;
	double _centreU = 0.0;
	double _centreV = 0.0;
};

void DrawAxes(std::ostringstream& svg, const ViewMapping& view, const Plane& plane)
{
	const std::string x0 = Number(view.X(0.0));
	const std::string y0 = Number(view.Y(0.0));
	svg << "<g class=\"axes\" stroke=\"#7a8699\" stroke-width=\"1\" stroke-dasharray=\"4 3\">"
		<< "<line x1=\"0\" y1=\"" << y0 << "\" x2=\"" << VIEW_WIDTH << "\" y2=\"" << y0 << "\"/>"
		<< "<line x1=\"" << x0 << "\" y1=\"0\" x2=\"" << x0 << "\" y2=\"" << VIEW_HEIGHT << "\"/></g>\n"
		<< "<g font-family=\"sans-serif\" font-size=\"13\" fill=\"#4a5568\">"
		<< "<text x=\"" << VIEW_WIDTH - 24 << "\" y=\"" << Number(view.Y(0.0) - 6) << "\">+" << plane.uName << "</text>"
		<< "<text x=\"" << Number(view.X(0.0) + 6) << "\" y=\"14\">+" << plane.vName << "</text></g>\n";
}

} // namespace

std::string ContourSvg(const Contour& contour, bool axes, bool order)
{
	const Plane plane = PlaneOf(contour);
	const ViewMapping view(contour, plane, axes);
	std::ostringstream svg;
	svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << VIEW_WIDTH << ' ' << VIEW_HEIGHT << "\" width=\"" << VIEW_WIDTH << "\" height=\""
		<< VIEW_HEIGHT << "\">\n"
		<< "<rect width=\"100%\" height=\"100%\" fill=\"#fbfbfd\"/>\n";
	if (axes)
		DrawAxes(svg, view, plane);

	svg << "<polygon fill=\"#f4a340\" fill-opacity=\"0.85\" stroke=\"#7a3d08\" stroke-width=\"2\" stroke-linejoin=\"round\" points=\"";
	for (std::size_t i = 0; i < contour.points.size(); ++i)
	{
		const headless::Vector3& p = contour.points[i];
		svg << (i ? " " : "") << Number(view.X(p[static_cast<std::size_t>(plane.u)])) << ',' << Number(view.Y(p[static_cast<std::size_t>(plane.v)]));
	}
	svg << "\"/>\n";

	if (order)
	{
		svg << "<g font-family=\"sans-serif\" font-size=\"12\" fill=\"#1a365d\">";
		for (std::size_t i = 0; i < contour.points.size(); ++i)
		{
			const headless::Vector3& p = contour.points[i];
			const double x = view.X(p[static_cast<std::size_t>(plane.u)]);
			const double y = view.Y(p[static_cast<std::size_t>(plane.v)]);
			svg << "<circle cx=\"" << Number(x) << "\" cy=\"" << Number(y) << "\" r=\"2.5\"/>"
				<< "<text x=\"" << Number(x + 4) << "\" y=\"" << Number(y - 4) << "\">" << i << "</text>";
		}
		svg << "</g>\n";
	}
	svg << "</svg>\n";
	return svg.str();
}

} // namespace tool
