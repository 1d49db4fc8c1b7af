// The contour as a Wavefront OBJ polyline that any 3D tool imports.
#include <sstream>

#include "tool/contour_output.h"

namespace tool
{

std::string ContourObj(const Contour& contour)
{
	std::ostringstream obj;
	obj << "# Pointsmith arrow outline: " << contour.points.size() << " points, " << (contour.closed ? "closed" : "open") << "\n";
	obj << "o arrow_outline\n";
	for (const headless::Vector3& p : contour.points)
		obj << "v " << Dump(Json(p[0])) << ' ' << Dump(Json(p[1])) << ' ' << Dump(Json(p[2])) << '\n';
	if (!contour.points.empty())
	{
		obj << 'l';
		for (std::size_t i = 1; i <= contour.points.size(); ++i)
			obj << ' ' << i;
		if (contour.closed)
			obj << " 1";
		obj << '\n';
	}
	return obj.str();
}

} // namespace tool
