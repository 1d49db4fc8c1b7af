// pointsmith-host preset show / save as scripts use them.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <nlohmann/json.hpp>

#include "headless/paths.h"
#include "tests/support/output_match.h"
#include "tests/support/plugin_folder.h"
#include "tests/support/run_tool.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

	// Show adds the suffix as save did, also after a dot in the name.
	const ToolRun dotted = RunTool({ "preset", "save", (Scratch() / "My Arrow v1.2").string() });
	EXPECT_EQ(dotted.out, (Scratch() / "My Arrow v1.2.arr").string() + "\n");
	for (const char* name : { "wide", "My Arrow v1.2" })
		EXPECT_EQ(RunTool({ "preset", "show", (Scratch() / name).string() }).exitCode, 0) << name;

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

std::string Contents(const std::filesystem::path& file)
{
	std::ifstream in(file, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(in), {});
}

// The bytes of a preset as the module saves it, with `name` as its preset name.
std::string SavedPreset(const std::filesystem::path& folder, const std::string& name)
{
	const ToolRun save = RunTool({ "preset", "save", (folder / "saved").string(), "--set", "ARROW_PRESET_NAME=" + name });
	EXPECT_EQ(save.exitCode, 0) << save.err;
	return Contents(folder / "saved.arr");
}

void Write(const std::filesystem::path& file, const std::string& bytes)
{
	std::ofstream(file, std::ios::binary) << bytes;
}

TEST_F(ToolPreset, SaysWhyAPresetDidNotLoadOrSave)
{
	// With the empty name, record 4 (the name) is 5 bytes at byte 73 and
	// record 5 (the head length) starts at byte 78; a 26-letter name puts
	// record 17 (the tail notch) at bytes 140 to 143.
	const std::string plain = SavedPreset(Scratch(), "");
	const std::string lettered = SavedPreset(Scratch(), "abcdefghijklmnopqrstuvwxyz");
	ASSERT_EQ(plain.size(), 184u);
	Write(Scratch() / "cut.arr", lettered.substr(0, 142));
	Write(Scratch() / "empty.arr", "");
	Write(Scratch() / "README.arr", "# Pointsmith\n\nA plug-in module.\n");
	Write(Scratch() / "nan.arr", plain.substr(0, 78) + "\x7f\xc0\x00\x00" + plain.substr(82));
	Write(Scratch() / "latin1.arr", plain.substr(0, 73) + std::string("\0\0\0\2\xe9\0", 6) + plain.substr(78));
	Write(Scratch() / "wide.arr", plain);
	Write(Scratch() / "notes.arr", std::string("\0\0\0\x07# Todo\0", 11));
	// Version 1.1 has no double-arrow records (bytes 96 to 104 here): the shaft follows the head.
	Write(Scratch() / "old.arr", plain.substr(0, 29) + std::string("\0\0\0\x0e# Version 1.1\0", 18) + plain.substr(47, 49) + plain.substr(105, 4));
	std::filesystem::create_directories(Scratch() / "folder.arr");
	std::filesystem::create_directories(Scratch() / "sub");
	// A name of 21846 three-byte letters is 65538 bytes of UTF-8, and short enough for any command line.
	std::string longName;
	for (int letter = 0; letter < 21846; ++letter)
		longName += "\u20ac";

	const std::string at = Scratch().string() + "/";
	// A path of over 300 letters is quoted by its last 128, its file name's end among them.
	const std::string deep = at + std::string(100, 'd') + "/" + std::string(100, 'e') + "/" + std::string(100, 'f') + "/x";
	struct Case
	{
		std::vector<std::string> arguments;
		std::string line;
	};
	const Case cases[] = {
		{ { "preset", "show", at + "cut.arr" }, at + "cut.arr was not loaded: file ends in record 17 (ARROW_TAIL_NOTCH) at byte 142" },
		{ { "outline", "--preset", at + "cut.arr" }, at + "cut.arr was not loaded: file ends in record 17 (ARROW_TAIL_NOTCH) at byte 142" },
		{ { "preset", "show", at + "old.arr" }, at + "old.arr was not loaded: file ends in record 12 (ARROW_SHAFT_LENGTH) at byte 100" },
		{ { "preset", "show", at + "empty.arr" }, at + "empty.arr was not loaded: the file is empty" },
		{ { "preset", "show", at + "README.arr" }, at + "README.arr was not loaded: not a Pointsmith preset: record 1 (header) at byte 0 claims 589320303 bytes, the file has 28 after it" },
		{ { "preset", "show", at + "notes" }, at + "notes.arr was not loaded: not a Pointsmith preset: file ends in record 2 (version) at byte 11" },
		{ { "preset", "show", at + "nan.arr" }, at + "nan.arr was not loaded: record 5 (ARROW_HEAD_LENGTH) at byte 78 holds nan, not a finite number" },
		{ { "preset", "show", at + "latin1.arr" }, at + "latin1.arr was not loaded: record 4 (ARROW_PRESET_NAME) at byte 73 is not UTF-8 text" },
		{ { "preset", "show", at + "folder.arr" }, at + "folder.arr was not loaded: not a regular file (a folder)" },
		{ { "outline", "--preset", at + "wide" }, at + "wide was not loaded: no such file (wide.arr exists)" },
		{ { "preset", "show", at + "narrow" }, at + "narrow.arr was not loaded: no such file" },
		{ { "preset", "show", at + "narrow.arr" }, at + "narrow.arr was not loaded: no such file" },
		{ { "preset", "show", "" }, "'' was not loaded: the name is empty" },
		{ { "preset", "save", at + "huge", "--set", "ARROW_HEAD_LENGTH=1e39" }, "no preset was written for " + at + "huge: ARROW_HEAD_LENGTH = 1e+39 does not fit a preset's 32-bit float" },
		{ { "preset", "save", at + "none/x" }, "no preset was written for " + at + "none/x: the folder " + at + "none does not exist" },
		{ { "preset", "save", at + "folder" }, "no preset was written for " + at + "folder: cannot replace " + at + "folder.arr: not a regular file (a folder)" },
		{ { "preset", "save", "" }, "no preset was written for '': the name is empty" },
		{ { "preset", "save", at + "long", "--set", "ARROW_PRESET_NAME=" + longName }, "no preset was written for " + at + "long: ARROW_PRESET_NAME is longer than 64 KiB" },
		{ { "preset", "save", "/" }, "no preset was written for /: it names a folder, not a file" },
		{ { "preset", "save", at + "sub/" }, "no preset was written for " + at + "sub/: it names a folder, not a file" },
		{ { "preset", "save", deep }, "no preset was written for ..." + deep.substr(deep.size() - 128) + ": the folder ..." + deep.substr(deep.size() - 130, 128) + " does not exist" },
	};
	for (const Case& c : cases)
	{
		const ToolRun run = RunTool(c.arguments);
		EXPECT_EQ(run.exitCode, 1) << c.line;
		EXPECT_PRED_FORMAT2(SameOutput, "pointsmith-host: " + c.line + "\n", run.err);
	}
	EXPECT_FALSE(std::filesystem::exists(Scratch() / "huge.arr"));
}

// Two scripts save their arrows as one preset, over and over, while the test
// reads it as fast as it can: every read finds one whole preset, the one or
// the other, never an empty or a spliced file, and nothing is left beside it.
// A few rounds, each a new pair of processes, so that the two overlap.
TEST_F(ToolPreset, RacingSavesLeaveOneWholePresetAtEveryRead)
{
	const std::filesystem::path shared = Scratch() / "race" / "x.arr";
	std::filesystem::create_directory(shared.parent_path());
	const std::string presets[] = { SavedPreset(Scratch(), "A"), SavedPreset(Scratch(), "B") };
	const auto script = [&](const char* name) {
		std::string text = "new arrow a\nset a ARROW_PRESET_NAME " + std::string(name) + "\n";
		for (int save = 0; save < 150; ++save)
			text += "answer " + shared.string() + "\npress a ARROW_PRESET_SAVE\n";
		return text;
	};
	const std::string scripts[] = { script("A"), script("B") };
	int reads = 0, broken = 0;
	for (int round = 0; round < 4; ++round)
	{
		std::atomic<int> running { 2 };
		const auto saver = [&running](const std::string& text) {
			return std::thread([&running, &text] {
				EXPECT_EQ(RunTool({ "script", "-" }, text).exitCode, 0);
				--running;
			});
		};
		std::thread a = saver(scripts[0]), b = saver(scripts[1]);
		for (; running > 0; std::this_thread::yield())
		{
			std::ifstream in(shared, std::ios::binary);
			if (!in)
				continue;
			const std::string bytes(std::istreambuf_iterator<char>(in), {});
			++reads;
			broken += bytes != presets[0] && bytes != presets[1];
		}
		a.join();
		b.join();
	}
	EXPECT_EQ(broken, 0) << "of " << reads << " reads";
	const std::string last = Contents(shared);
	EXPECT_TRUE(last == presets[0] || last == presets[1]);
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared.parent_path()), std::filesystem::directory_iterator()), 1);
}

#if !defined(_WIN32)
// Opens `fifo` for writing whenever someone waits to read it, so that a
// reader stuck in its open gets an empty file instead of hanging the test.
class FifoRelease
{
public:
	explicit FifoRelease(const std::filesystem::path& fifo) :
		_thread([this, fifo] {
			while (!_done)
			{
				const int descriptor = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
				if (descriptor >= 0)
				{
					_released = true;
					close(descriptor);
				}
				std::this_thread::sleep_for(std::chrono::milliseconds(20));
			}
		})
	{
	}
	~FifoRelease()
	{
		_done = true;
		_thread.join();
	}
	bool Released() const { return _released; }

private:
	std::atomic<bool> _done { false };
	std::atomic<bool> _released { false };
	std::thread _thread;
};

TEST_F(ToolPreset, ALinkThatLeadsNowhereIsNotReplaced)
{
	std::filesystem::create_symlink(Scratch() / "nowhere.arr", Scratch() / "gone.arr");
	const std::string gone = (Scratch() / "gone.arr").string();
	const ToolRun save = RunTool({ "preset", "save", gone });
	EXPECT_EQ(save.exitCode, 1);
	EXPECT_EQ(save.err, "pointsmith-host: no preset was written for " + gone + ": cannot replace " + gone + ": a link that leads nowhere\n");
	EXPECT_FALSE(std::filesystem::exists(Scratch() / "nowhere.arr"));
}

TEST_F(ToolPreset, AFifoIsNoPresetAndNothingWaitsForIt)
{
	const std::filesystem::path fifo = Scratch() / "pipe.arr";
	ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
	const FifoRelease release(fifo);
	const std::string line = "pointsmith-host: " + fifo.string() + " was not loaded: not a regular file (a FIFO)\n";
	EXPECT_EQ(RunTool({ "preset", "show", fifo.string() }).err, line);
	EXPECT_EQ(RunTool({ "outline", "--preset", fifo.string() }).err, line);
	const ToolRun script = RunTool({ "script", "-" }, "new arrow a\nanswer " + fifo.string() + "\npress a ARROW_PRESET_LOAD\nprint messages a\n");
	EXPECT_EQ(script.exitCode, 0) << script.err;
	EXPECT_EQ(script.out, "[]\n");
	EXPECT_FALSE(release.Released()) << "the host waited in the open";
}
#endif

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
