#include <gtest/gtest.h>

#include "headless/resources/host_descriptions.h"

using namespace headless::resources;

TEST(HostDescriptions, ObaseDeclaresTheObjectGroupAndNoParameters)
{
	const DescriptionScope& scope = HostScope();
	EXPECT_EQ(scope.symbols.at("ID_OBJECTPROPERTIES"), 802);
	EXPECT_EQ(scope.symbols.at("Obase"), 5155);
	ASSERT_NE(scope.FindDescription("Obase"), nullptr);
	EXPECT_TRUE(scope.FindDescription("Obase")->elements.empty());
}

TEST(HostDescriptions, SplinePrimitiveHasItsParameters)
{
	const Description* spline = HostScope().FindDescription("Osplineprimitive");
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->label, "Spline Primitive");
	const std::vector<std::tuple<int32_t, std::string, ElementKind, std::string>> expected{
		{2300, "PRIM_PLANE", ElementKind::Long, "Plane"},
		{2301, "PRIM_REVERSE", ElementKind::Bool, "Reverse"},
		{0, "", ElementKind::Group, ""},
		{1001, "SPLINEOBJECT_INTERPOLATION", ElementKind::Long, "Intermediate Points"},
		{1003, "SPLINEOBJECT_SUB", ElementKind::Long, "Number"},
		{1004, "SPLINEOBJECT_ANGLE", ElementKind::Real, "Angle"},
		{1005, "SPLINEOBJECT_MAXIMUMLENGTH", ElementKind::Real, "Maximum Length"},
	};
	ASSERT_EQ(spline->elements.size(), expected.size());
	for (std::size_t index = 0; index < expected.size(); ++index)
	{
		const DescriptionElement& element = spline->elements[index];
		EXPECT_EQ(std::tie(element.id, element.symbol, element.kind, element.label), expected[index]);
	}
	EXPECT_EQ(spline->Find(1004)->properties.at("UNIT"), std::vector<std::string>{"DEGREE"});
	EXPECT_EQ(spline->Find(1005)->properties.at("UNIT"), std::vector<std::string>{"METER"});
	EXPECT_EQ(spline->Find(1003)->properties.at("MIN"), std::vector<std::string>{"0"});
}

TEST(HostDescriptions, SplinePrimitiveCyclesAreLabelled)
{
	const Description& spline = *HostScope().FindDescription("Osplineprimitive");
	const auto& plane = spline.Find(2300)->cycle;
	ASSERT_EQ(plane.size(), 3u);
	EXPECT_EQ(plane[2].symbol, "PRIM_PLANE_XZ");
	EXPECT_EQ(plane[2].value, 2);
	EXPECT_EQ(plane[1].label, "ZY");
	const auto& interpolation = spline.Find(1001)->cycle;
	ASSERT_EQ(interpolation.size(), 5u);
	for (std::size_t index = 0; index < interpolation.size(); ++index)
		EXPECT_EQ(interpolation[index].value, static_cast<int32_t>(index));
	EXPECT_EQ(interpolation[4].symbol, "SPLINEOBJECT_INTERPOLATION_SUBDIV");
	EXPECT_EQ(interpolation[3].label, "Adaptive");
}
