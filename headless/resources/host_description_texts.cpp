#include "headless/resources/host_description_texts.h"

#include <array>

namespace headless::resources {

namespace {

// Obase: the object description every object description includes. It
// declares the group for object properties and adds no parameters itself.
constexpr std::string_view kObaseHeader = R"res(
#ifndef OBASE_H__
#define OBASE_H__
enum
{
	Obase = 5155,
	ID_OBJECTPROPERTIES = 802
};
#endif
)res";

constexpr std::string_view kObaseResource = R"res(
CONTAINER Obase
{
	NAME Obase;
}
)res";

constexpr std::string_view kObaseStrings = R"res(
STRINGTABLE Obase
{
	Obase "Basic";
	ID_OBJECTPROPERTIES "Object";
}
)res";

// Osplineprimitive: the parameters every spline primitive object shares.
constexpr std::string_view kSplinePrimitiveHeader = R"res(
#ifndef OSPLINEPRIMITIVE_H__
#define OSPLINEPRIMITIVE_H__
enum
{
	PRIM_PLANE = 2300,
		PRIM_PLANE_XY = 0,
		PRIM_PLANE_ZY,
		PRIM_PLANE_XZ,
	PRIM_REVERSE = 2301,

	SPLINEOBJECT_INTERPOLATION = 1001,
		SPLINEOBJECT_INTERPOLATION_NONE = 0,
		SPLINEOBJECT_INTERPOLATION_NATURAL,
		SPLINEOBJECT_INTERPOLATION_UNIFORM,
		SPLINEOBJECT_INTERPOLATION_ADAPTIVE,
		SPLINEOBJECT_INTERPOLATION_SUBDIV,
	SPLINEOBJECT_SUB = 1003,
	SPLINEOBJECT_ANGLE = 1004,
	SPLINEOBJECT_MAXIMUMLENGTH = 1005
};
#endif
)res";

constexpr std::string_view kSplinePrimitiveResource = R"res(
CONTAINER Osplineprimitive
{
	NAME Osplineprimitive;

	LONG PRIM_PLANE { CYCLE { PRIM_PLANE_XY; PRIM_PLANE_ZY; PRIM_PLANE_XZ; } }
	BOOL PRIM_REVERSE { }

	GROUP
	{
		LONG SPLINEOBJECT_INTERPOLATION
		{
			CYCLE
			{
				SPLINEOBJECT_INTERPOLATION_NONE;
				SPLINEOBJECT_INTERPOLATION_NATURAL;
				SPLINEOBJECT_INTERPOLATION_UNIFORM;
				SPLINEOBJECT_INTERPOLATION_ADAPTIVE;
				SPLINEOBJECT_INTERPOLATION_SUBDIV;
			}
		}
		LONG SPLINEOBJECT_SUB { MIN 0; }
		// Stored in radians, shown in degrees.
		REAL SPLINEOBJECT_ANGLE { UNIT DEGREE; }
		REAL SPLINEOBJECT_MAXIMUMLENGTH { UNIT METER; }
	}
}
)res";

constexpr std::string_view kSplinePrimitiveStrings = R"res(
STRINGTABLE Osplineprimitive
{
	Osplineprimitive "Spline Primitive";

	PRIM_PLANE "Plane";
		PRIM_PLANE_XY "XY";
		PRIM_PLANE_ZY "ZY";
		PRIM_PLANE_XZ "XZ";
	PRIM_REVERSE "Reverse";

	SPLINEOBJECT_INTERPOLATION "Intermediate Points";
		SPLINEOBJECT_INTERPOLATION_NONE "None";
		SPLINEOBJECT_INTERPOLATION_NATURAL "Natural";
		SPLINEOBJECT_INTERPOLATION_UNIFORM "Uniform";
		SPLINEOBJECT_INTERPOLATION_ADAPTIVE "Adaptive";
		SPLINEOBJECT_INTERPOLATION_SUBDIV "Subdivided";
	SPLINEOBJECT_SUB "Number";
	SPLINEOBJECT_ANGLE "Angle";
	SPLINEOBJECT_MAXIMUMLENGTH "Maximum Length";
}
)res";

constexpr std::array<EmbeddedDescription, 2> kHostDescriptions{{
	{"Obase", kObaseHeader, kObaseResource, kObaseStrings},
	{"Osplineprimitive", kSplinePrimitiveHeader, kSplinePrimitiveResource, kSplinePrimitiveStrings},
}};

}

std::span<const EmbeddedDescription> HostDescriptionTexts()
{
	return kHostDescriptions;
}

}
