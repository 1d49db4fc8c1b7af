#include "tool/contour_output.h"

namespace tool
{

namespace
{

constexpr std::int32_t SPLINEOBJECT_CLOSED = 1002;
constexpr std::int32_t SPLINE_SETTINGS[] = { 1001, 1003, 1004, 1005 };

} // namespace

Contour TakeContour(headless::Host& host, headless::Object* object)
{
	if (object->document)
		host.Evaluate(*object->document);
	const headless::Object* spline = object->contour.spline;
	if (!spline)
		throw NoContour("the module gave no contour");

	Contour contour;
	const headless::Value& closed = spline->data.Get(SPLINEOBJECT_CLOSED);
	contour.closed = std::holds_alternative<bool>(closed) && std::get<bool>(closed);
	contour.type = spline->splineType;
	for (std::size_t i = 0; i + 2 < spline->points.size(); i += 3)
		contour.points.push_back({ spline->points[i], spline->points[i + 1], spline->points[i + 2] });
	contour.settings = Json::object();
	for (std::int32_t id : SPLINE_SETTINGS)
		contour.settings[std::to_string(id)] = ValueToJson(spline->data.Get(id), host.scene);
	return contour;
}

Json ContourJson(const Contour& contour)
{
	Json json;
	json["closed"] = contour.closed;
	json["type"] = contour.type;
	json["points"] = Json::array();
	for (const headless::Vector3& point : contour.points)
		json["points"].push_back(Json::array({ point[0], point[1], point[2] }));
	json["settings"] = contour.settings;
	return json;
}

Json ContourJson(headless::Host& host, headless::Object* object)
{
	return ContourJson(TakeContour(host, object));
}

} // namespace tool
