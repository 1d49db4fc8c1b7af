// pointsmith-host preset show / save as scripts use them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "headless/paths.h"
#include "tests/support/plugin_folder.h"
#include "tests/support/run_tool.h"

namespace tests
{
namespace
{

using Json = nlohmann::json;

class ToolPreset : public ::testing::Test
{
protected:
	ToolPreset() : folder(PluginLayout { false, false, false }) { }
	std::filesystem::path Scratch() { return folder.Root(); }
	PluginFolder folder; // used only as a scratch folder here
};

TEST_F(ToolPreset, SavesWithTheSuffixAndShowsWhatItLoads)
{
	const ToolRun save = RunTool({ "preset", "save", (Scratch() / "wide").string(), "--set", "ARROW_PRESET_NAME=Wide", "--set", "ARROW_SHAFT_WIDTH=150" });
	ASSERT_EQ(save.exitCode, 0) << save.err;
	EXPECT_EQ(save.out, (Scratch() / "wide.arr").string() + "\n");

	const ToolRun show = RunTool({ "preset", "show", (Scratch() / "wide.arr").string() });
	ASSERT_EQ(show.exitCode, 0) << show.err;
	const Json result = Json::parse(show.out);
	EXPECT_EQ(result["loaded"], true);
	EXPECT_EQ(result["values"].size(), 26u);
	EXPECT_EQ(result["values"]["10190"], "Wide");
	EXPECT_EQ(result["values"]["10010"], 150.0);
	EXPECT_EQ(result["values"]["1004"], 0.0872664600610733);
	EXPECT_EQ(show.out.rfind("{\"loaded\":true,\"values\":{\"10190\":", 0), 0u);

	// As text: NAME=VALUE lines as --set takes them, floats as the file holds them.
	const ToolRun text = RunTool({ "preset", "show", (Scratch() / "wide.arr").string(), "--format", "text" });
	ASSERT_EQ(text.exitCode, 0) << text.err;
	EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 26);
	EXPECT_EQ(text.out.rfind("ARROW_PRESET_NAME=Wide\nARROW_HEAD_LENGTH=100.0\n", 0), 0u) << text.out;
	for (const char* line : { "\nARROW_SHAFT_WIDTH=150.0\n", "\nARROW_SHAFT=true\n", "\nPRIM_PLANE=0\n", "\nSPLINEOBJECT_ANGLE=0.08726646\n" })
		EXPECT_NE(text.out.find(line), std::string::npos) << line;
}

TEST_F(ToolPreset, ShowsTheUnchangedArrowWhenAFileIsNotAPreset)
{
	std::ofstream(Scratch() / "junk.arr") << "junk";
	const ToolRun show = RunTool({ "preset", "show", (Scratch() / "junk.arr").string() });
	EXPECT_EQ(show.exitCode, 1);
	const Json result = Json::parse(show.out);
	EXPECT_EQ(result["loaded"], false);
	EXPECT_EQ(result["values"]["10000"], 400.0);
	EXPECT_EQ(show.err.find('\n'), show.err.size() - 1);
	EXPECT_NE(show.err.find("junk.arr"), std::string::npos);
}

TEST_F(ToolPreset, ReportsASaveThatCannotBeWritten)
{
	const ToolRun save = RunTool({ "preset", "save", (Scratch() / "no-folder" / "x.arr").string() });
	EXPECT_EQ(save.exitCode, 1);
	EXPECT_EQ(save.out, "");
	EXPECT_NE(save.err.find("x.arr"), std::string::npos);
}

TEST_F(ToolPreset, RefusesAValueAPresetCannotHold)
{
	const ToolRun save = RunTool({ "preset", "save", (Scratch() / "huge.arr").string(), "--set", "ARROW_HEAD_LENGTH=1e300" });
	EXPECT_EQ(save.exitCode, 1);
	EXPECT_FALSE(std::filesystem::exists(Scratch() / "huge.arr"));
}

TEST_F(ToolPreset, TakesFileNamesAndValuesBeyondAscii)
{
	// Arguments, paths and values are UTF-8 on every system, also where the
	// system's own code page could not hold these letters.
	const std::filesystem::path umlauts = Scratch() / u8"größe ∅";
	std::filesystem::create_directory(umlauts);
	const std::string file = headless::ToUtf8(umlauts / u8"pfeil");
	const ToolRun save = RunTool({ "preset", "save", file, "--set", "ARROW_PRESET_NAME=Größe ∅" });
	ASSERT_EQ(save.exitCode, 0) << save.err;
	EXPECT_EQ(save.out, file + ".arr\n");
	EXPECT_TRUE(std::filesystem::exists(umlauts / u8"pfeil.arr"));

	const ToolRun show = RunTool({ "preset", "show", file + ".arr" });
	ASSERT_EQ(show.exitCode, 0) << show.err;
	EXPECT_EQ(Json::parse(show.out)["values"]["10190"], "Größe ∅");

	const std::filesystem::path story = umlauts / u8"geschichte.script";
	std::ofstream(story) << "new arrow a\nprint a ARROW_PRESET_NAME\n";
	const ToolRun script = RunTool({ "script", headless::ToUtf8(story) });
	ASSERT_EQ(script.exitCode, 0) << script.err;
	EXPECT_EQ(script.out, "\"\"\n");
}

TEST(ToolPresetCatalogue, EveryShippedPresetLoadsWithItsName)
{
	const std::filesystem::path presets = BuiltModule().parent_path() / "presets";
	int count = 0;
	for (const auto& entry : std::filesystem::directory_iterator(presets))
	{
		const ToolRun show = RunTool({ "preset", "show", entry.path().string() });
		EXPECT_EQ(show.exitCode, 0) << entry.path() << show.err;
		EXPECT_NE(Json::parse(show.out)["values"]["10190"], "") << entry.path();
		++count;
	}
	EXPECT_GE(count, 12);
}

} // namespace
} // namespace tests
