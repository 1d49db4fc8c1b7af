// pointsmith-host outline: the documented examples, exactly, in each format.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <tuple>
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
// the defaults, three with two steps of a larger radius, where the arcs by
// the barb's two corners meet halfway along its edge in one point.
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
		{ { "ARROW_ROUND=true", "ARROW_ROUND_RADIUS=25", "ARROW_ROUND_STEPS=2" }, 25.0, 2, 19 } };
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
	EXPECT_EQ(flat.out.find("class=\"number\""), std::string::npos);
	EXPECT_EQ(flat.out.find("class=\"axis-label\""), std::string::npos);

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

// The texts of a picture of one class, with the box each covers: centred on
// x, the baseline 0.36 of the font size below the centre, 0.64 of it a character wide.
struct Label
{
	std::string text;
	double left, top, right, bottom;
};

std::vector<Label> Labels(const std::string& svg, const std::string& kind, double size)
{
	std::vector<Label> labels;
	const std::regex text("<text class=\"" + kind + "\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"[^>]*>([^<]*)</text>");
	for (auto match = std::sregex_iterator(svg.begin(), svg.end(), text); match != std::sregex_iterator(); ++match)
	{
		const double x = std::stod((*match)[1]);
		const double y = std::stod((*match)[2]) - 0.36 * size;
		const double halfWidth = 0.32 * size * static_cast<double>((*match)[3].length());
		labels.push_back({ (*match)[3], x - halfWidth, y - 0.4 * size, x + halfWidth, y + 0.4 * size });
	}
	return labels;
}

std::vector<std::pair<double, double>> Dots(const std::string& svg)
{
	std::vector<std::pair<double, double>> dots;
	const std::regex circle("<circle cx=\"([-0-9.]+)\" cy=\"([-0-9.]+)\"");
	for (auto match = std::sregex_iterator(svg.begin(), svg.end(), circle); match != std::sregex_iterator(); ++match)
		dots.emplace_back(std::stod((*match)[1]), std::stod((*match)[2]));
	return dots;
}

TEST(ToolOutline, PointNumbersKeepClearOfEachOtherThePointsAndTheAxisLabels)
{
	const std::vector<std::string> cases[] = {
		{ "ARROW_BEVEL=true" },
		{ "ARROW_BEVEL=true", "ARROW_TAIL_NOTCH=60" },
		{ "ARROW_SHAFT=false", "ARROW_BEVEL=true", "ARROW_BARB_SWEEP=40" },
		{ "ARROW_FINS=true", "ARROW_OPEN_HEAD=true", "ARROW_TAIL_NOTCH=40" },
		{ "ARROW_OPEN_HEAD=true", "ARROW_SQUARE_BARBS=true", "PRIM_PLANE=1" },
		{ "ARROW_DOUBLE=true", "ARROW_OPEN_HEAD=true", "PRIM_PLANE=2" },
		{ "ARROW_BEVEL=true", "ARROW_BEVEL_SIZE=2", "ARROW_SHAFT_WIDTH=4" },
	};
	for (const auto& sets : cases)
	{
		SCOPED_TRACE(sets.back());
		std::vector<std::string> arguments { "outline", "--format", "svg", "--axis", "--order" };
		for (const std::string& set : sets)
			arguments.insert(arguments.end(), { "--set", set });
		const ToolRun run = RunTool(arguments);
		ASSERT_EQ(run.exitCode, 0) << run.err;
		const std::vector<Label> numbers = Labels(run.out, "number", 12.0);
		const std::vector<Label> axes = Labels(run.out, "axis-label", 13.0);
		const auto dots = Dots(run.out);
		ASSERT_EQ(numbers.size(), dots.size());
		ASSERT_EQ(axes.size(), 2u);
		std::vector<Label> all = axes;
		for (std::size_t i = 0; i < numbers.size(); ++i)
		{
			const Label& number = numbers[i];
			EXPECT_EQ(number.text, std::to_string(i));
			for (const Label& other : all)
				EXPECT_FALSE(number.left < other.right && other.left < number.right && number.top < other.bottom && other.top < number.bottom)
					<< number.text << " on " << other.text;
			for (const auto& [x, y] : dots)
				EXPECT_FALSE(x > number.left - 2.5 && x < number.right + 2.5 && y > number.top - 2.5 && y < number.bottom + 2.5) << number.text;
			// Near its own point, and nearer to it than to any other.
			const auto distance = [&](const std::pair<double, double>& dot) { return std::hypot(dot.first - (number.left + number.right) / 2, dot.second - (number.top + number.bottom) / 2); };
			EXPECT_LT(distance(dots[i]), 30.0) << number.text;
			all.push_back(number);
		}
	}
}

TEST(ToolOutline, EveryPictureNamesItsPlaneAndScale)
{
	for (const char* plane : { "XY", "ZY", "XZ" })
	{
		for (bool axis : { false, true })
		{
			const std::string setting = std::string("PRIM_PLANE=") + (plane[0] == 'X' ? (plane[1] == 'Y' ? "0" : "2") : "1");
			std::vector<std::string> arguments { "outline", "--format", "svg", "--set", setting };
			if (axis)
				arguments.push_back("--axis");
			const ToolRun run = RunTool(arguments);
			ASSERT_EQ(run.exitCode, 0) << run.err;
			EXPECT_NE(run.out.find(std::string(">plane ") + plane + "</text>"), std::string::npos) << plane << axis;
			EXPECT_NE(run.out.find(">1 px = "), std::string::npos) << plane << axis;
		}
	}
}

TEST(ToolOutline, DrawsAtAFixedScale)
{
	// The default arrow is 500 units long: 250 pixels at 2 units a pixel, and
	// coordinates however far out are written whole.
	for (const auto& [scale, caption, width] : { std::tuple { "2", "2 units", 250.0 }, std::tuple { "1e-38", "1e-38 units", 5e40 } })
	{
		const ToolRun run = RunTool({ "outline", "--format", "svg", "--scale", scale });
		ASSERT_EQ(run.exitCode, 0) << run.err;
		EXPECT_NE(run.out.find(std::string(">1 px = ") + caption + "</text>"), std::string::npos) << scale;
		std::smatch points;
		ASSERT_TRUE(std::regex_search(run.out, points, std::regex("<polygon [^>]*points=\"([^\"]*)\"")));
		std::vector<double> xs;
		const std::string list = points[1];
		const std::regex x("([-0-9.e+]+),");
		for (auto match = std::sregex_iterator(list.begin(), list.end(), x); match != std::sregex_iterator(); ++match)
			xs.push_back(std::stod((*match)[1]));
		EXPECT_DOUBLE_EQ(*std::max_element(xs.begin(), xs.end()) - *std::min_element(xs.begin(), xs.end()), width) << scale;
	}

	for (const char* scale : { "0", "-1", "nan", "inf", "1e-320", "wide", "" })
	{
		const ToolRun bad = RunTool({ "outline", "--format", "svg", "--scale", scale });
		EXPECT_EQ(bad.exitCode, 2) << scale;
		EXPECT_EQ(bad.out, "") << scale;
	}
}

TEST(ToolOutline, WritesAClosedObjPolyline)
{
	const ToolRun run = RunTool({ "outline", "--format", "obj" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_NE(run.out.find("v -250.0 50.0 0.0\n"), std::string::npos);
	EXPECT_NE(run.out.find("\nl 1 2 3 4 5 6 7 1\n"), std::string::npos);
}

// Round the corner of an L, with the head rigid at the path's end; the
// picture draws the path first, under the outline, closed where it closes.
TEST(ToolOutline, FollowsAPathDrawnUnderTheOutline)
{
	const ToolRun json = RunTool({ "outline", "--path", "0,0 400,0 400,300" });
	ASSERT_EQ(json.exitCode, 0) << json.err;
	EXPECT_EQ(Json::parse(json.out)["points"][4], Json::parse("[400.0, 300.0, 0.0]"));

	for (const bool closed : { false, true })
	{
		std::vector<std::string> arguments { "outline", "--format", "svg", "--path", "0,0 400,0,0 400,300" };
		if (closed)
			arguments.push_back("--path-closed");
		const ToolRun svg = RunTool(arguments);
		ASSERT_EQ(svg.exitCode, 0) << svg.err;
		const std::size_t path = svg.out.find(closed ? "<polygon class=\"path\"" : "<polyline class=\"path\"");
		ASSERT_NE(path, std::string::npos) << svg.out;
		EXPECT_LT(path, svg.out.find("<polygon fill=")) << svg.out;
	}
}

TEST(ToolOutline, RefusesUnknownFormats)
{
	const ToolRun run = RunTool({ "outline", "--format", "png" });
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("png"), std::string::npos);
}

} // namespace
} // namespace tests
