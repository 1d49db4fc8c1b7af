// pointsmith-host params --describe and the range warnings of --set: what
// the attribute manager would show, from the module's own resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>

#include <nlohmann/json.hpp>

#include "tests/support/run_tool.h"
#include "tool/parameter_range.h"

namespace tests
{
namespace
{

using Json = nlohmann::json;

TEST(ToolDescribe, ShowsEveryParameterInDescriptionOrder)
{
	const ToolRun run = RunTool({ "params", "--describe" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.out.rfind(R"({"10020":{"name":"ARROW_SHAFT","group":"ARROW_GROUP_SHAFT","label":{"en-US":"Shaft","de-DE":"Schaft"},"type":"BOOL",)"
							R"("unit":null,"min":null,"max":null,"step":null,"cycle":null,"default":true,"enabled":true},"10000":)",
				  0),
		0u)
		<< run.out.substr(0, 300);
	const Json described = Json::parse(run.out);
	EXPECT_EQ(described.size(), 54u);
	EXPECT_EQ(described["10060"], Json::parse(R"({"name": "ARROW_TAPER_FRONT", "group": "ARROW_GROUP_SHAFT",
		"label": {"en-US": "Front Taper", "de-DE": "Verjüngung vorn"}, "type": "REAL", "unit": "PERCENT", "min": 0.0, "max": 100.0, "step": 1.0,
		"cycle": null, "default": 0.0, "enabled": true})"));
	EXPECT_EQ(described["2300"]["cycle"], Json::parse(R"({"0": {"en-US": "XY", "de-DE": "XY"}, "1": {"en-US": "ZY", "de-DE": "ZY"},
		"2": {"en-US": "XZ", "de-DE": "XZ"}})"));
	EXPECT_TRUE(described["2300"]["group"].is_null());
	// A LONG's bounds are integers.
	EXPECT_TRUE(described["10330"]["min"].is_number_integer());
	EXPECT_EQ(described["10330"]["min"], 1);
}

TEST(ToolDescribe, DefaultsStayWhileTheEditsDecideWhatIsGreyed)
{
	const ToolRun run = RunTool({ "params", "--describe", "--set", "ARROW_DOUBLE=true", "--set", "ARROW_SHAFT_LENGTH=10" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const Json described = Json::parse(run.out);
	EXPECT_EQ(described["10000"]["default"], 400.0);
	EXPECT_EQ(described["10000"]["enabled"], false);
	EXPECT_EQ(described["10170"]["enabled"], true);
}

TEST(ToolDescribe, TextIsATableWithGroupsAsHeadings)
{
	const ToolRun run = RunTool({ "params", "--describe", "--format", "text", "--set", "ARROW_FINS=true" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const std::string& text = run.out;
	const auto at = [&](const std::string& line) {
		const std::size_t found = text.find("\n" + line);
		EXPECT_NE(found, std::string::npos) << line << "\n" << text;
		return found;
	};
	// Headings in order, each above its parameters; the host's spline
	// settings, outside every group, under the object's own name.
	EXPECT_LT(at("Object\n"), at("  Shaft / Schaft\n"));
	EXPECT_LT(at("  Shaft / Schaft\n"), at("    10060  ARROW_TAPER_FRONT "));
	EXPECT_LT(at("    10060  ARROW_TAPER_FRONT "), at("  Tail and Fins / Ende und Flossen\n"));
	EXPECT_LT(at("  Wrap / Biegung\n"), at("Pointsmith\n"));
	EXPECT_LT(at("Pointsmith\n"), at("    2300   PRIM_PLANE "));
	const auto row = [&](const std::string& name) {
		const std::size_t start = text.find("  " + name + " ");
		return text.substr(start, text.find('\n', start) - start);
	};
	EXPECT_NE(row("ARROW_TAPER_FRONT").find("Front Taper / Verjüngung vorn"), std::string::npos);
	// Range and step as stored, then as the attribute manager shows them.
	EXPECT_NE(row("ARROW_TAPER_FRONT").find("0..1 (0% to 100%)"), std::string::npos);
	EXPECT_NE(row("ARROW_TAPER_FRONT").find(" 0.01 (1%) "), std::string::npos) << row("ARROW_TAPER_FRONT");
	EXPECT_NE(row("SPLINEOBJECT_ANGLE").find("0.08726646259971647 (5°)"), std::string::npos);
	EXPECT_NE(row("PRIM_PLANE").find("0 XY, 1 ZY, 2 XZ"), std::string::npos);
	EXPECT_NE(row("ARROW_CLONE_SPLINE").find("greyed"), std::string::npos);
	EXPECT_EQ(row("ARROW_FIN_LENGTH").find("greyed"), std::string::npos);
	// Columns line up, counted in characters: "ä" is two bytes.
	const auto column = [&](const std::string& line, const std::string& cell) {
		const std::string before = line.substr(0, line.find(cell));
		return before.size() - static_cast<std::size_t>(std::count(before.begin(), before.end(), '\xc3'));
	};
	EXPECT_EQ(column(row("ARROW_SHAFT_LENGTH"), "REAL"), column(row("ARROW_TAPER_FRONT"), "REAL"));
}

TEST(ToolDescribe, TextFormatBelongsToTheDescription)
{
	const ToolRun run = RunTool({ "params", "--format", "text" });
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("--describe"), std::string::npos) << run.err;
}

TEST(ToolRanges, ValuesOutsideTheAttributeManagersRangeApplyWithAWarning)
{
	const struct
	{
		std::vector<std::string> arguments;
		std::string warnings;
	} cases[] = {
		{ { "params", "--set", "ARROW_TAPER_FRONT=60" }, "ARROW_TAPER_FRONT = 60 is outside 0..1 (0% to 100%) of the attribute manager\n" },
		{ { "params", "--set", "ARROW_CLONE_COUNT=-5" }, "ARROW_CLONE_COUNT = -5 is outside 1.. of the attribute manager\n" },
		{ { "params", "--set", "SPLINEOBJECT_SUB=-1", "--set", "ARROW_SHAFT_WIDTH=-0.5" },
			"SPLINEOBJECT_SUB = -1 is outside 0.. of the attribute manager\nARROW_SHAFT_WIDTH = -0.5 is outside 0.. of the attribute manager\n" },
		{ { "outline", "--set", "ARROW_HEAD_LENGTH=-1e3" }, "ARROW_HEAD_LENGTH = -1e3 is outside 0.. of the attribute manager\n" },
		{ { "params", "--set", "PRIM_PLANE=7" }, "PRIM_PLANE = 7 is none of the attribute manager's choices (0 XY, 1 ZY, 2 XZ)\n" },
		{ { "params", "--describe", "--set", "ARROW_TAPER_BACK=1.5" }, "ARROW_TAPER_BACK = 1.5 is outside 0..1 (0% to 100%) of the attribute manager\n" },
		// The bounds belong to the range; no range, no warning; an unset has no value.
		{ { "params", "--set", "ARROW_TAPER_FRONT=1", "--set", "ARROW_TAPER_BACK=0.5", "--set", "ARROW_SHAFT_LENGTH=0", "--set", "ARROW_CLONE_COUNT=1" }, "" },
		{ { "params", "--set", "ARROW_BARB_SWEEP=-500", "--set", "PRIM_PLANE=2", "--unset", "ARROW_TAPER_FRONT" }, "" },
	};
	for (const auto& entry : cases)
	{
		SCOPED_TRACE(entry.arguments.back());
		const ToolRun run = RunTool(entry.arguments);
		EXPECT_EQ(run.exitCode, 0) << run.err;
		std::string expected;
		for (std::size_t start = 0; start < entry.warnings.size(); start = entry.warnings.find('\n', start) + 1)
			expected += "pointsmith-host: warning: " + entry.warnings.substr(start, entry.warnings.find('\n', start) + 1 - start);
		EXPECT_EQ(run.err, expected);
	}
	// The value is applied as given: the object clamps nothing.
	EXPECT_EQ(Json::parse(RunTool({ "params", "--set", "ARROW_TAPER_FRONT=60" }).out)["10060"]["value"], 60.0);
	// A bad edit later on the line: the error alone.
	const ToolRun bad = RunTool({ "params", "--set", "ARROW_TAPER_FRONT=60", "--set", "ARROW_NOTHING=1" });
	EXPECT_EQ(bad.exitCode, 2);
	EXPECT_EQ(bad.err.find("warning"), std::string::npos) << bad.err;
}

// The stored range as the numbers it holds, whole, however far out they lie.
TEST(ToolRanges, BoundsShowAsTheNumbersTheyAre)
{
	const struct
	{
		const char* unit;
		double min, max;
		std::string text;
	} cases[] = {
		{ "PERCENT", -DBL_MAX, DBL_MAX, "-1.7976931348623156e+306..1.7976931348623156e+306 (-1.797693135e+308% to 1.797693135e+308%)" },
		{ "DEGREE", 0.0, DBL_MAX, "0..3.1375664143845866e+306 (0\u00b0 to 1.797693135e+308\u00b0)" },
		{ "METER", 0.1234567890123, 1e-300, "0.1234567890123..1e-300" },
	};
	for (const auto& c : cases)
	{
		headless::resources::DescriptionElement parameter {};
		parameter.kind = headless::resources::ElementKind::Real;
		parameter.unit = c.unit;
		parameter.min = c.min;
		parameter.max = c.max;
		EXPECT_EQ(tool::RangeText(parameter), c.text);
	}
}

} // namespace
} // namespace tests
