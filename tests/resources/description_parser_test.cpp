#include <gtest/gtest.h>

#include <numbers>

#include "expect_resource_error.h"
#include "headless/resources/description_parser.h"
#include "headless/resources/host_descriptions.h"

using namespace headless::resources;

namespace {

using Words = std::vector<std::string>;

// The host's scope plus the symbols and labels of a module description Otest.
DescriptionScope TestScope()
{
	DescriptionScope scope = HostScope();
	int32_t id = 10000;
	for (const char* symbol : {"SOME_GROUP", "ID_A", "ID_B", "ID_C", "ID_C_ONE", "ID_C_TWO", "ID_D", "ID_E", "ID_F", "ID_G", "ID_SEP"})
		scope.symbols.emplace(symbol, id++);
	scope.labels.insert({{"Otest", "Test Object"}, {"ID_A", "Length"}, {"ID_C_ONE", "One"}});
	return scope;
}

Description Parse(const std::string& text)
{
	return ParseDescription(text, "description/Otest.res", TestScope());
}

constexpr const char* kFullDescription = R"(CONTAINER Otest
{
  NAME Otest;
  INCLUDE Obase;
  GROUP ID_OBJECTPROPERTIES
  {
    DEFAULT 1;
    GROUP SOME_GROUP { DEFAULT 1; COLUMNS 2;
      REAL ID_A { UNIT METER; MIN 0.0; MAX 100.0; STEP 1.0; }
      BOOL ID_B { }
      LONG ID_C { MIN 1; CYCLE { ID_C_ONE; ID_C_TWO; } }
      STRING ID_D { }
      LINK ID_E { ACCEPT { Ospline; } }
      BUTTON ID_F { }
      VECTOR ID_G { UNIT METER; }
      SEPARATOR { LINE; }
    }
  }
  INCLUDE Osplineprimitive;
}
)";

}

TEST(DescriptionParser, ReadsElementsInOrderWithGroupsAndLabels)
{
	const Description description = Parse(kFullDescription);
	EXPECT_EQ(description.name, "Otest");
	EXPECT_EQ(description.label, "Test Object");
	const std::vector<std::tuple<std::string, ElementKind, int32_t, std::string>> expected{
		{"ID_OBJECTPROPERTIES", ElementKind::Group, 0, "Object"},
		{"SOME_GROUP", ElementKind::Group, 802, "SOME_GROUP"},
		{"ID_A", ElementKind::Real, 10000, "Length"},
		{"ID_B", ElementKind::Bool, 10000, "ID_B"},
		{"ID_C", ElementKind::Long, 10000, "ID_C"},
		{"ID_D", ElementKind::String, 10000, "ID_D"},
		{"ID_E", ElementKind::Link, 10000, "ID_E"},
		{"ID_F", ElementKind::Button, 10000, "ID_F"},
		{"ID_G", ElementKind::Vector, 10000, "ID_G"},
		{"", ElementKind::Separator, 10000, ""},
		{"PRIM_PLANE", ElementKind::Long, 0, "Plane"},
	};
	ASSERT_GT(description.elements.size(), expected.size());
	for (std::size_t index = 0; index < expected.size(); ++index)
	{
		const DescriptionElement& element = description.elements[index];
		EXPECT_EQ(std::tie(element.symbol, element.kind, element.group, element.label), expected[index]) << index;
	}
	EXPECT_EQ(description.elements[9].id, 0);
	EXPECT_FALSE(description.elements[9].IsParameter());
	EXPECT_TRUE(description.elements[2].IsParameter());
}

TEST(DescriptionParser, KeepsPropertiesAsWordsAndResolvesCycles)
{
	const Description description = Parse(kFullDescription);
	const auto& group = description.FindSymbol("SOME_GROUP")->properties;
	EXPECT_EQ(group, (std::map<std::string, Words>{{"DEFAULT", {"1"}}, {"COLUMNS", {"2"}}}));
	const auto& real = description.Find(10001)->properties;
	EXPECT_EQ(real.at("UNIT"), Words{"METER"});
	EXPECT_EQ(real.at("MAX"), Words{"100.0"});
	const DescriptionElement& length = *description.Find(10001);
	EXPECT_EQ(std::tie(length.min, length.max, length.step, length.unit), std::make_tuple(0.0, 100.0, 1.0, std::string("METER")));
	EXPECT_FALSE(description.FindSymbol("ID_B")->min.has_value());
	EXPECT_EQ(description.FindSymbol("ID_E")->properties.at("ACCEPT"), Words{"Ospline"});
	EXPECT_EQ(description.elements[9].properties.at("LINE"), Words{});
	const DescriptionElement& cycle = *description.FindSymbol("ID_C");
	EXPECT_EQ(cycle.properties.at("CYCLE"), (Words{"ID_C_ONE", "ID_C_TWO"}));
	ASSERT_EQ(cycle.cycle.size(), 2u);
	EXPECT_EQ(cycle.cycle[0].value, 10004);
	EXPECT_EQ(cycle.cycle[0].label, "One");
	EXPECT_EQ(cycle.cycle[1].label, "ID_C_TWO");
}

TEST(DescriptionElement, DeclaresNumbersInTheUnitsTheAttributeManagerShows)
{
	const struct
	{
		const char* unit;
		double declared;
		double stored;
	} cases[] = {{"PERCENT", 100.0, 1.0}, {"DEGREE", 180.0, std::numbers::pi}, {"METER", 5.0, 5.0}, {"", 3.0, 3.0}};
	for (const auto& entry : cases)
	{
		DescriptionElement element{};
		element.unit = entry.unit;
		EXPECT_DOUBLE_EQ(element.Stored(entry.declared), entry.stored) << entry.unit;
		EXPECT_DOUBLE_EQ(element.Shown(entry.stored), entry.declared) << entry.unit;
	}
}

TEST(DescriptionParser, IncludeInsertsInPlaceUnderTheEnclosingGroup)
{
	const Description description = Parse(
		"CONTAINER Otest { GROUP ID_OBJECTPROPERTIES { BOOL ID_A { } INCLUDE Osplineprimitive; GROUP { BOOL ID_B { } } } }");
	std::vector<std::string> symbols;
	for (const DescriptionElement& element : description.elements)
		symbols.push_back(element.symbol);
	EXPECT_EQ(symbols, (Words{"ID_OBJECTPROPERTIES", "ID_A", "PRIM_PLANE", "PRIM_REVERSE", "", "SPLINEOBJECT_INTERPOLATION",
		"SPLINEOBJECT_SUB", "SPLINEOBJECT_ANGLE", "SPLINEOBJECT_MAXIMUMLENGTH", "", "ID_B"}));
	// Groups without symbol, the module's or the spline primitive's, pass their parent's ID on.
	EXPECT_EQ(description.FindSymbol("ID_B")->group, 802);
	EXPECT_EQ(description.FindSymbol("PRIM_PLANE")->group, 802);
	EXPECT_EQ(description.FindSymbol("SPLINEOBJECT_SUB")->group, 802);
	EXPECT_EQ(description.Find(0), nullptr);
}

TEST(DescriptionParser, ReportsErrorsWithTheirLine)
{
	const struct
	{
		const char* text;
		int line;
		const char* fragment;
	} cases[] = {
		{"CONTAINER Otest {\n REAL ID_NOPE { } }", 2, "unknown symbol 'ID_NOPE'"},
		{"CONTAINER Otest {\n BOOL ID_A { }\n BOOL ID_A { } }", 3, "ID 10001 of 'ID_A' is already used by 'ID_A'"},
		{"CONTAINER Otest {\n BOOL PRIM_REVERSE { }\n INCLUDE Osplineprimitive; }", 3, "is already used by 'PRIM_REVERSE'"},
		{"CONTAINER Otest {\n FLOAT ID_A { } }", 2, "unknown element 'FLOAT'"},
		{"CONTAINER Otest {\n INCLUDE Onothing; }", 2, "INCLUDE of unknown description 'Onothing'"},
		{"CONTAINER Otest {\n GROUP {\n BOOL ID_A { }\n}", 1, "'{' is never closed"},
		{"CONTAINER Otest {\n}\n}", 3, "unexpected '}' after the end"},
		{"CONTAINER Otest {\n REAL ID_A { MIN 0.0\n } }", 2, "expected ';' after '0.0'"},
		{"CONTAINER Otest {\n REAL ID_A { BOOL ID_B { } } }", 2, "'BOOL' cannot appear inside REAL"},
		{"CONTAINER Otest {\n REAL ID_A { MIN 0;\n MIN 1; } }", 3, "property 'MIN' is given twice"},
		{"CONTAINER Otest {\n LONG ID_C { CYCLE {\n ID_C_ONE;\n ID_WHAT; } } }", 4, "unknown symbol 'ID_WHAT'"},
		{"CONTAINER Otest {\n LONG ID_C { CYCLE { ID_C_ONE } } }", 2, "expected ';' after 'ID_C_ONE'"},
		{"CONTAINER Otest {\n STRING ID_D { DEFAULT \"x\"; } }", 2, "expected ';' after 'DEFAULT'"},
		{"CONTAINER Otest {\n REAL { } }", 2, "expected a symbol after 'REAL'"},
		{"CONTAINER Otest {\n REAL ID_A {\n MAX one; } }", 3, "MAX takes a number, not 'one'"},
		{"CONTAINER Otest {\n REAL ID_A { STEP 1e999; } }", 2, "STEP '1e999' is out of range"},
		{"CONTAINER Otest {\n REAL ID_A { STEP 1e-400; } }", 2, "STEP '1e-400' is out of range"},
		{"CONTAINER Otest {\n LONG ID_C { MIN -1e300; } }", 2, "MIN of a LONG takes a whole number from -2147483648 to 2147483647, not '-1e300'"},
		{"CONTAINER Otest {\n LONG ID_C {\n MAX 2147483648; } }", 3, "MAX of a LONG takes a whole number"},
		{"CONTAINER Otest {\n LONG ID_C { STEP 0.5; } }", 2, "STEP of a LONG takes a whole number"},
		{"CONTAINER Otest {\n REAL ID_A { MIN 0 1; } }", 2, "MIN takes one word"},
		{"CONTAINER Otest {\n REAL ID_A { UNIT; } }", 2, "UNIT takes one word"},
		{"DESCRIPTION Otest { }", 1, "expected 'CONTAINER'"},
	};
	for (const auto& entry : cases)
	{
		SCOPED_TRACE(entry.text);
		ExpectResourceError([&] { Parse(entry.text); }, "description/Otest.res", entry.line, entry.fragment);
	}
}

TEST(DescriptionParser, TakesALongsBoundsToTheEndsOf32Bits)
{
	const Description description = Parse("CONTAINER Otest { LONG ID_C { MIN -2147483648; MAX 2147483647; STEP 1e3; } }");
	const DescriptionElement& element = description.elements.front();
	EXPECT_EQ(element.min, -2147483648.0);
	EXPECT_EQ(element.max, 2147483647.0);
	EXPECT_EQ(element.step, 1000.0);
}

TEST(DescriptionParser, RefusesGroupsNestedDeeperThanTheLimitWhereTheyGoTooDeep)
{
	const auto nested = [](int depth) {
		std::string text = "CONTAINER Otest {\n";
		for (int i = 0; i < depth; ++i)
			text += "GROUP {\n";
		return text + std::string(static_cast<std::size_t>(depth) + 1, '}');
	};
	EXPECT_NO_THROW(Parse(nested(kMaxGroupNesting)));
	for (const int depth : {kMaxGroupNesting + 1, 20000})
		ExpectResourceError([&] { Parse(nested(depth)); }, "description/Otest.res", kMaxGroupNesting + 2, "groups nest deeper than 1000 levels");
}
