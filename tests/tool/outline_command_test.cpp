// pointsmith-host outline: the documented examples, exactly, in each format.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "arrow_outline_rounding.h"
#include "arrow_shapes.h"
#include "tests/support/run_tool.h"

namespace tests
{
namespace
{

using Json = nlohmann::json;

Json Outline(const std::vector<std::string>& sets)
{
	std::vector<std::string> arguments { "outline" };
	for (const std::string& set : sets)
	{
		arguments.push_back("--set");
		arguments.push_back(set);
	}
	const ToolRun run = RunTool(arguments);
	EXPECT_EQ(run.exitCode, 0) << run.err;
	return Json::parse(run.out);
}

// The x, y pairs of an outline's points.
std::vector<std::pair<double, double>> Flat(const Json& outline)
{
	std::vector<std::pair<double, double>> points;
	for (const Json& point : outline["points"])
	{
		EXPECT_EQ(point[2], 0.0);
		points.emplace_back(point[0], point[1]);
	}
	return points;
}

using Flat2 = std::vector<std::pair<double, double>>;

TEST(ToolOutline, PrintsTheDefaultArrowExactly)
{
	const ToolRun run = RunTool({ "outline" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.out,
		"{\"closed\":true,\"type\":0,\"points\":[[-250.0,50.0,0.0],[150.0,50.0,0.0],[150.0,100.0,0.0],[250.0,0.0,0.0],[150.0,-100.0,0.0],"
		"[150.0,-50.0,0.0],[-250.0,-50.0,0.0]],\"settings\":{\"1001\":3,\"1003\":8,\"1004\":0.08726646259971647,\"1005\":5.0}}\n");
}

TEST(ToolOutline, OpenHeadsAndSquareBarbs)
{
	EXPECT_EQ(Flat(Outline({ "ARROW_OPEN_HEAD=true" })),
		(Flat2 { { -250, 50 }, { 175, 50 }, { 150, 100 }, { 200, 100 }, { 250, 0 }, { 200, -100 }, { 150, -100 }, { 175, -50 }, { -250, -50 } }));
	const Flat2 square = Flat(Outline({ "ARROW_OPEN_HEAD=true", "ARROW_SQUARE_BARBS=true" }));
	ASSERT_EQ(square.size(), 9u);
	EXPECT_NEAR(square[3].first, 190, 1e-9);
	EXPECT_NEAR(square[3].second, 120, 1e-9);
	EXPECT_NEAR(square[5].first, 190, 1e-9);
	EXPECT_NEAR(square[5].second, -120, 1e-9);
}

TEST(ToolOutline, DoubleArrowAndFins)
{
	EXPECT_EQ(Flat(Outline({ "ARROW_DOUBLE=true" })), (Flat2 { { 200, 50 }, { 200, 100 }, { 300, 0 }, { 200, -100 }, { 200, -50 }, { -200, -50 },
														  { -200, -100 }, { -300, 0 }, { -200, 100 }, { -200, 50 } }));
	EXPECT_EQ(Flat(Outline({ "ARROW_FINS=true" })), (Flat2 { { -250, 50 }, { -300, 100 }, { -200, 100 }, { -150, 50 }, { 150, 50 }, { 150, 100 },
														 { 250, 0 }, { 150, -100 }, { 150, -50 }, { -150, -50 }, { -200, -100 }, { -300, -100 },
														 { -250, -50 } }));
}

TEST(ToolOutline, BevelledCornersToThreeDecimals)
{
	const Flat2 bevel = Flat(Outline({ "ARROW_BEVEL=true" }));
	const Flat2 expected = { { -250, 40 }, { -240, 50 }, { 140, 50 }, { 150, 60 }, { 150, 90 }, { 158.944, 95.528 }, { 241.056, 4.472 } };
	ASSERT_EQ(bevel.size(), 14u);
	for (std::size_t i = 0; i < expected.size(); ++i)
	{
		EXPECT_NEAR(bevel[i].first, expected[i].first, 5e-4) << i;
		EXPECT_NEAR(bevel[i].second, expected[i].second, 5e-4) << i;
		// The second half mirrors the first in reverse order.
		EXPECT_EQ(bevel[13 - i].first, bevel[i].first) << i;
		EXPECT_EQ(bevel[13 - i].second, -bevel[i].second) << i;
	}
}

// The seven corners as the rounding alone gives them: five points each for
// the defaults, three with two steps of a larger radius.
TEST(ToolOutline, RoundedCornersAreTheRoundingsOwn)
{
	struct Case
	{
		std::vector<std::string> sets;
		double radius;
		int steps;
		std::size_t count;
	};
	const Case cases[] = { { { "ARROW_ROUND=true" }, 10.0, 4, 35 },
		{ { "ARROW_ROUND=true", "ARROW_ROUND_RADIUS=25", "ARROW_ROUND_STEPS=2" }, 25.0, 2, 21 } };
	for (const Case& test : cases)
	{
		ArrowShape shape = DefaultArrow();
		shape.roundCorners = true;
		shape.roundRadius = test.radius;
		shape.roundSteps = test.steps;
		const RoundedOutline expected = RoundArrowOutline(ComputeArrowOutline(shape), shape);
		const Flat2 rounded = Flat(Outline(test.sets));
		ASSERT_EQ(rounded.size(), test.count) << test.radius;
		for (std::size_t i = 0; i < rounded.size(); ++i)
		{
			EXPECT_NEAR(rounded[i].first, expected.points[i].x, 1e-9) << i;
			EXPECT_NEAR(rounded[i].second, expected.points[i].y, 1e-9) << i;
		}
	}
}

TEST(ToolOutline, KeepsTheSignsOfZeros)
{
	const ToolRun run = RunTool({ "outline", "--set", "PRIM_PLANE=1" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_NE(run.out.find("[-0.0,0.0,250.0]"), std::string::npos) << run.out;
}

TEST(ToolOutline, DrawsAnSvgInThePlaneTheOutlineLiesIn)
{
	const ToolRun flat = RunTool({ "outline", "--format", "svg" });
	ASSERT_EQ(flat.exitCode, 0) << flat.err;
	EXPECT_EQ(flat.out.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
	EXPECT_NE(flat.out.find("<polygon"), std::string::npos);
	EXPECT_EQ(flat.out.find("<text"), std::string::npos);

	const ToolRun turned = RunTool({ "outline", "--format", "svg", "--axis", "--order", "--set", "PRIM_PLANE=1" });
	ASSERT_EQ(turned.exitCode, 0) << turned.err;
	EXPECT_NE(turned.out.find(">+Z</text>"), std::string::npos);
	EXPECT_NE(turned.out.find(">+Y</text>"), std::string::npos);
	EXPECT_NE(turned.out.find(">6</text>"), std::string::npos);
	EXPECT_EQ(turned.out.find(">7</text>"), std::string::npos);
	// Both views fill the same picture: the outline is only turned.
	const auto polygon = [](const std::string& svg) { return svg.substr(svg.find("points=\"")); };
	EXPECT_EQ(polygon(flat.out).substr(0, 40), polygon(turned.out).substr(0, 40));
}

TEST(ToolOutline, WritesAClosedObjPolyline)
{
	const ToolRun run = RunTool({ "outline", "--format", "obj" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_NE(run.out.find("v -250.0 50.0 0.0\n"), std::string::npos);
	EXPECT_NE(run.out.find("\nl 1 2 3 4 5 6 7 1\n"), std::string::npos);
}

TEST(ToolOutline, RefusesUnknownFormats)
{
	const ToolRun run = RunTool({ "outline", "--format", "png" });
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("png"), std::string::npos);
}

} // namespace
} // namespace tests
