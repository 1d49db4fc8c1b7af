#include "tool/point_input.h"

#include <algorithm>

#include "headless/resources/utf8.h"
#include "tool/parameter_input.h"

namespace tool
{

std::vector<double> ReadPoints(const std::vector<std::string>& texts)
{
	std::vector<double> points;
	for (const std::string& text : texts)
	{
		// x,y is x,y,0.
		const bool flat = std::count(text.begin(), text.end(), ',') == 1;
		const std::optional<headless::Value> point = ReadValueAs(headless::ValueKind::Vector, flat ? text + ",0" : text);
		if (!point)
			throw InputError("bad point " + headless::resources::Quote(text) + " (expected x,y or x,y,z)");
		const headless::Vector3& xyz = std::get<headless::Vector3>(*point);
		points.insert(points.end(), xyz.begin(), xyz.end());
	}
	return points;
}

} // namespace tool
