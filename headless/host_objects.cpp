#include "headless/host_objects.h"

#include <array>

namespace headless
{

namespace
{

struct HostKind
{
	std::string_view name;
	std::int32_t type;
};

constexpr std::array<HostKind, 5> KINDS = { { { "null", OBJECT_NULL }, { "spline", OBJECT_SPLINE }, { "extrude", OBJECT_EXTRUDE },
	{ "cloner", OBJECT_CLONER }, { "wrap", OBJECT_WRAP } } };

constexpr std::int32_t EXTRUDEOBJECT_MOVE = 1002;
constexpr std::int32_t EXTRUDE_CAP_START = 2000;
constexpr std::int32_t EXTRUDE_CAP_END = 2001;
// The caps and bevels of an extrude object since R21; a new object uses them
// instead of the legacy caps (2000 to 2009), which only older scenes go by.
constexpr std::int32_t CAPSANDBEVELS_CAP_ENABLE_START = 2999;
constexpr std::int32_t CAPSANDBEVELS_CAP_ENABLE_END = 3000;
constexpr std::int32_t CAPSANDBEVELS_STARTBEVEL_OFFSET = 3021;
constexpr std::int32_t CAPSANDBEVELS_ENDBEVEL_OFFSET = 3035;
constexpr std::int32_t CAPSANDBEVELS_USE_NEW_VERSION = 5000;
constexpr std::int32_t CLONER_MODE = 2010;
constexpr std::int32_t CLONER_COUNT = 1270;
constexpr std::int32_t SPLINETYPE_LINEAR = 0;
constexpr double SQUARE_HALF_SIDE = 50.0;

void MakeSquare(Object& spline)
{
	const double h = SQUARE_HALF_SIDE;
	spline.points = { -h, -h, 0.0, h, -h, 0.0, h, h, 0.0, -h, h, 0.0 };
	spline.splineType = SPLINETYPE_LINEAR;
	spline.data.Set(SPLINEOBJECT_CLOSED, true);
}

} // namespace

Object* NewHostObject(Scene& scene, std::int32_t type)
{
	Object* object = scene.NewObject(type);
	switch (type)
	{
		case OBJECT_SPLINE:
			object->isPointObject = true;
			MakeSquare(*object);
			break;
		case OBJECT_EXTRUDE:
			object->data.Set(EXTRUDEOBJECT_MOVE, Vector3 { 0.0, 0.0, 20.0 });
			object->data.Set(EXTRUDE_CAP_START, std::int32_t { 1 });
			object->data.Set(EXTRUDE_CAP_END, std::int32_t { 1 });
			object->data.Set(CAPSANDBEVELS_CAP_ENABLE_START, true);
			object->data.Set(CAPSANDBEVELS_CAP_ENABLE_END, true);
			object->data.Set(CAPSANDBEVELS_STARTBEVEL_OFFSET, 0.0);
			object->data.Set(CAPSANDBEVELS_ENDBEVEL_OFFSET, 0.0);
			object->data.Set(CAPSANDBEVELS_USE_NEW_VERSION, true);
			break;
		case OBJECT_CLONER:
			object->data.Set(CLONER_MODE, std::int32_t { 1 });
			object->data.Set(CLONER_COUNT, std::int32_t { 3 });
			break;
		default:
			break;
	}
	return object;
}

std::string_view HostKindName(std::int32_t type)
{
	for (const HostKind& kind : KINDS)
	{
		if (kind.type == type)
			return kind.name;
	}
	return {};
}

std::int32_t HostKindType(std::string_view name)
{
	for (const HostKind& kind : KINDS)
	{
		if (kind.name == name)
			return kind.type;
	}
	return 0;
}

} // namespace headless
