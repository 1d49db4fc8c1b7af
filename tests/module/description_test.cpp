// The arrow's description as the host reads it from the module's resources.
#include <map>
#include <set>

#include "tests/support/module_test.h"

namespace tests
{
namespace
{

using headless::resources::Description;
using headless::resources::ElementKind;

struct Declared
{
	const char* symbol;
	ElementKind kind;
};

// Every parameter of the arrow, by ID.
const std::map<std::int32_t, Declared> PARAMETERS = {
	{ 10000, { "ARROW_SHAFT_LENGTH", ElementKind::Real } },
	{ 10010, { "ARROW_SHAFT_WIDTH", ElementKind::Real } },
	{ 10020, { "ARROW_SHAFT", ElementKind::Bool } },
	{ 10030, { "ARROW_HEAD_LENGTH", ElementKind::Real } },
	{ 10040, { "ARROW_HEAD_BARB", ElementKind::Real } },
	{ 10050, { "ARROW_TAIL_NOTCH", ElementKind::Real } },
	{ 10060, { "ARROW_TAPER_FRONT", ElementKind::Real } },
	{ 10070, { "ARROW_TAPER_BACK", ElementKind::Real } },
	{ 10080, { "ARROW_BARB_SWEEP", ElementKind::Real } },
	{ 10090, { "ARROW_FINS", ElementKind::Bool } },
	{ 10100, { "ARROW_FIN_LENGTH", ElementKind::Real } },
	{ 10110, { "ARROW_FIN_WIDTH", ElementKind::Real } },
	{ 10120, { "ARROW_FIN_SWEEP", ElementKind::Real } },
	{ 10130, { "ARROW_OPEN_HEAD", ElementKind::Bool } },
	{ 10140, { "ARROW_SQUARE_BARBS", ElementKind::Bool } },
	{ 10150, { "ARROW_HEAD_THICKNESS", ElementKind::Real } },
	{ 10160, { "ARROW_DOUBLE", ElementKind::Bool } },
	{ 10170, { "ARROW_DOUBLE_LENGTH", ElementKind::Real } },
	{ 10180, { "ARROW_DOUBLE_WIDTH", ElementKind::Real } },
	{ 10190, { "ARROW_PRESET_NAME", ElementKind::String } },
	{ 10200, { "ARROW_PRESET_LOAD", ElementKind::Button } },
	{ 10210, { "ARROW_PRESET_SAVE", ElementKind::Button } },
	{ 10220, { "ARROW_RESET", ElementKind::Button } },
	{ 10230, { "ARROW_INFO", ElementKind::Button } },
	{ 10240, { "ARROW_BEVEL", ElementKind::Bool } },
	{ 10250, { "ARROW_BEVEL_SIZE", ElementKind::Real } },
	{ 10260, { "ARROW_BEVEL_OPTION", ElementKind::Bool } },
	{ 10280, { "ARROW_MAKE_EXTRUDE", ElementKind::Button } },
	{ 10290, { "ARROW_EXTRUDE_FILLET", ElementKind::Bool } },
	{ 10310, { "ARROW_MAKE_CLONER", ElementKind::Button } },
	{ 10320, { "ARROW_CLONER_EXTRUDE", ElementKind::Bool } },
	{ 10330, { "ARROW_CLONE_COUNT", ElementKind::Long } },
	{ 10340, { "ARROW_CLONE_ON_SPLINE", ElementKind::Bool } },
	{ 10350, { "ARROW_CLONE_SPLINE", ElementKind::Link } },
	{ 10360, { "ARROW_CLONE_PLANE", ElementKind::Bool } },
	{ 10370, { "ARROW_CLONE_SPLINE_VALUE", ElementKind::Real } },
	{ 10390, { "ARROW_WRAP_EXTRUDE", ElementKind::Bool } },
	{ 10400, { "ARROW_WRAP_SPLINE", ElementKind::Link } },
	{ 10410, { "ARROW_WRAP_OPTION", ElementKind::Bool } },
	{ 10420, { "ARROW_WRAP_SUBDIVIDE", ElementKind::Bool } },
	{ 10430, { "ARROW_MAKE_WRAP", ElementKind::Button } },
	{ 10440, { "ARROW_ROUND", ElementKind::Bool } },
	{ 10450, { "ARROW_ROUND_RADIUS", ElementKind::Real } },
	{ 10460, { "ARROW_ROUND_STEPS", ElementKind::Long } },
	{ 10470, { "ARROW_PATH", ElementKind::Link } },
	{ 10480, { "ARROW_PATH_START", ElementKind::Real } },
	{ 10490, { "ARROW_PATH_END", ElementKind::Real } },
	{ 10500, { "ARROW_PATH_OFFSET", ElementKind::Real } },
	{ 1001, { "SPLINEOBJECT_INTERPOLATION", ElementKind::Long } },
	{ 1003, { "SPLINEOBJECT_SUB", ElementKind::Long } },
	{ 1004, { "SPLINEOBJECT_ANGLE", ElementKind::Real } },
	{ 1005, { "SPLINEOBJECT_MAXIMUMLENGTH", ElementKind::Real } },
	{ 2300, { "PRIM_PLANE", ElementKind::Long } },
	{ 2301, { "PRIM_REVERSE", ElementKind::Bool } },
};

class DescriptionTest : public ModuleTest
{
protected:
	const Description& Arrow()
	{
		const Description* description = host.plugins.FindDescription(ARROW_ID);
		if (!description)
			throw std::runtime_error("no description registered");
		return *description;
	}
};

TEST_F(DescriptionTest, DeclaresEveryParameterWithItsType)
{
	StartModule();
	std::map<std::int32_t, std::pair<std::string, ElementKind>> declared;
	for (const auto& element : Arrow().elements)
	{
		if (element.IsParameter())
		{
			EXPECT_TRUE(declared.emplace(element.id, std::make_pair(element.symbol, element.kind)).second) << element.id;
		}
	}
	std::map<std::int32_t, std::pair<std::string, ElementKind>> expected;
	for (const auto& [id, parameter] : PARAMETERS)
		expected.emplace(id, std::make_pair(parameter.symbol, parameter.kind));
	EXPECT_EQ(declared, expected);
}

TEST_F(DescriptionTest, EveryParameterSitsInAGroupAndHasALabel)
{
	StartModule();
	std::set<std::int32_t> groups;
	for (const auto& element : Arrow().elements)
	{
		if (element.kind == ElementKind::Group)
			groups.insert(element.id);
	}
	for (const auto& element : Arrow().elements)
	{
		// The host's own spline settings come with the host's layout.
		if (!element.IsParameter() || element.symbol.rfind("ARROW_", 0) != 0)
			continue;
		EXPECT_NE(element.label, element.symbol) << element.symbol << " has no label";
		EXPECT_TRUE(groups.count(element.group)) << element.symbol << " is outside every group";
	}
}

TEST_F(DescriptionTest, LengthsAreSceneLengthsAndTapersFractions)
{
	StartModule();
	for (std::int32_t id : { 10000, 10010, 10030, 10040, 10100, 10110, 10120, 10150, 10170, 10180, 10250, 10450 })
		EXPECT_EQ(Arrow().Find(id)->properties.at("UNIT"), std::vector<std::string> { "METER" }) << id;
	for (std::int32_t id : { 10060, 10070, 10480, 10490, 10500 })
		EXPECT_EQ(Arrow().Find(id)->properties.at("UNIT"), std::vector<std::string> { "PERCENT" }) << id;
}

// The window's bounds are written in percent, as the attribute manager shows
// them; the offset has none. Its group follows the rounding's.
TEST_F(DescriptionTest, ThePathWindowIsInPercentInAGroupAfterTheRounding)
{
	StartModule();
	for (std::int32_t id : { 10480, 10490 })
	{
		EXPECT_EQ(Arrow().Find(id)->properties.at("MIN"), std::vector<std::string> { "0" }) << id;
		EXPECT_EQ(Arrow().Find(id)->properties.at("MAX"), std::vector<std::string> { "100" }) << id;
	}
	EXPECT_EQ(Arrow().Find(10500)->properties.count("MAX"), 0u);
	for (std::int32_t id : { 10470, 10480, 10490, 10500 })
		EXPECT_EQ(Arrow().Find(id)->group, 11100) << id;
	EXPECT_EQ(Arrow().Find(11100)->label, "Path");
	EXPECT_EQ(Arrow().Find(11100) - Arrow().Find(11090), 4);
}

// The attribute manager's only guard on the rounding: no negative radius, 1
// to 32 steps; its group follows the bevel's.
TEST_F(DescriptionTest, RoundingHasItsRangesInAGroupAfterTheBevel)
{
	StartModule();
	const std::map<std::int32_t, std::map<std::string, std::vector<std::string>>> ranges = {
		{ 10450, { { "MIN", { "0.0" } } } },
		{ 10460, { { "MIN", { "1" } }, { "MAX", { "32" } } } },
	};
	for (const auto& [id, properties] : ranges)
		for (const auto& [key, words] : properties)
		{
			EXPECT_EQ(Arrow().Find(id)->properties.at(key), words) << id << " " << key;
			EXPECT_EQ(Arrow().Find(id)->group, 11090) << id;
		}
	EXPECT_EQ(Arrow().Find(11090)->label, "Rounding");
	EXPECT_EQ(Arrow().Find(11090) - Arrow().Find(11040), 4);
}

TEST(DescriptionLanguages, GermanLabelsLoadForEveryParameter)
{
	PluginFolder folder;
	headless::Host host(headless::HostOptions { C4DOS_API_VERSION, "de-DE" });
	std::string reason;
	ASSERT_TRUE(host.Start(folder.Module(), reason)) << reason;
	const Description* german = host.plugins.FindDescription(ARROW_ID);
	ASSERT_NE(german, nullptr);
	EXPECT_EQ(german->Find(10090)->label, "Flossen");
	for (const auto& element : german->elements)
	{
		if (!element.symbol.empty())
		{
			EXPECT_NE(element.label, element.symbol) << element.symbol;
		}
	}
}

} // namespace
} // namespace tests
