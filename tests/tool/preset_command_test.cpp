// pointsmith-host preset show / save as scripts use them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

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
