// An arrow's contour as the tool prints it: JSON, SVG or OBJ.
#ifndef TOOL_CONTOUR_OUTPUT_H
#define TOOL_CONTOUR_OUTPUT_H

#include <stdexcept>
#include <string>
#include <vector>

#include "headless/host.h"
#include "tool/json_output.h"
#include "tool/session.h"

namespace tool
{

// The module gave no spline: the command's own failure (exit 1).
struct NoContour : CommandFailure
{
	using CommandFailure::CommandFailure;
};

// A copy of the spline the module returned.
struct Contour
{
	bool closed = false;
	std::int32_t type = 0;
	std::vector<headless::Vector3> points;
	Json settings; // 1001, 1003, 1004, 1005 as the spline carries them
};

// Evaluates the object's document as the host does (the object rebuilt only
// when it changed) and copies the object's contour. Throws NoContour when
// the module gave none.
Contour TakeContour(headless::Host& host, headless::Object* object);

// {"closed": ..., "type": ..., "points": [[x, y, z], ...], "settings": {...}}
Json ContourJson(const Contour& contour);
Json ContourJson(headless::Host& host, headless::Object* object);

struct SvgOptions
{
	bool axes = false;          // the axes through the origin
	bool order = false;         // the points numbered
	double unitsPerPixel = 0.0; // a fixed scale; 0 fits the outline and the path to the view
	std::vector<headless::Vector3> path; // the path the arrow follows, in the outline's space; none: no path
	bool pathClosed = false;
	// With `order`, the points numbered instead of the contour's own, in the
	// contour's plane: the corners of a rounded outline before rounding.
	std::vector<headless::Vector3> corners;
};

// The outline filled and stroked, drawn in the plane it lies in over the
// path it follows, thin and grey, with a caption that names the plane and
// the scale.
std::string ContourSvg(const Contour& contour, const SvgOptions& options);

// Whether the whole outline lies inside the drawing at the options' scale;
// a fitted view always holds it.
bool SvgHoldsContour(const Contour& contour, const SvgOptions& options);

// The closed polyline as a Wavefront OBJ file.
std::string ContourObj(const Contour& contour);

} // namespace tool

#endif
