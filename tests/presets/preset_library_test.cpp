// Saving and loading presets: dialogs, folders, suffixes and what a failure leaves behind.
#include <cmath>
#include <map>

#include "tests/presets/preset_test_support.h"

namespace tests
{
namespace
{

using headless::Value;

class PresetLibraryTest : public PresetTest
{
protected:
	std::string LastDialogStart() { return host.fileDialogs.shown.back().start; }
	std::string Presets() { return (folder->Root() / "presets" / "*.arr").string(); }
};

TEST_F(PresetLibraryTest, BothDialogsStartInThePresetFolder)
{
	Press(arrow, PRESET_LOAD);
	Press(arrow, PRESET_SAVE);
	ASSERT_EQ(host.fileDialogs.shown.size(), 2u);
	EXPECT_EQ(host.fileDialogs.shown[0].mode, "load");
	EXPECT_EQ(host.fileDialogs.shown[0].start, Presets());
	EXPECT_EQ(host.fileDialogs.shown[1].mode, "save");
	EXPECT_EQ(host.fileDialogs.shown[1].start, Presets());
}

TEST_F(PresetLibraryTest, TheNextLoadStartsWhereTheLastOneWent)
{
	std::filesystem::create_directories(scratch / "elsewhere");
	PresetBytes::Standard().WriteTo(scratch / "elsewhere" / "a.arr");
	ASSERT_TRUE(Load(scratch / "elsewhere" / "a.arr"));
	Press(arrow, PRESET_LOAD);
	EXPECT_EQ(LastDialogStart(), (scratch / "elsewhere" / "*.arr").string());
	// Saving still starts in the preset folder, and so does another arrow's load.
	Press(arrow, PRESET_SAVE);
	EXPECT_EQ(LastDialogStart(), Presets());
	Press(NewArrow(), PRESET_LOAD);
	EXPECT_EQ(LastDialogStart(), Presets());
}

TEST_F(PresetLibraryTest, AFailedLoadStillMovesTheNextDialog)
{
	EXPECT_FALSE(Load(scratch / "missing" / "none.arr"));
	Press(arrow, PRESET_LOAD);
	EXPECT_EQ(LastDialogStart(), (scratch / "missing" / "*.arr").string());
}

TEST_F(PresetLibraryTest, ACancelledLoadChangesNothing)
{
	const headless::Container before = arrow->data;
	EXPECT_FALSE(Press(arrow, PRESET_LOAD)); // no answer queued: the user cancels
	EXPECT_EQ(arrow->data, before);
	Press(arrow, PRESET_LOAD);
	EXPECT_EQ(LastDialogStart(), Presets());
}

// A name that does not end in the preset suffix gets it added, whatever dots
// it holds: replacing its last part used to save "wide.v2" over "wide.arr".
TEST_F(PresetLibraryTest, SavingAddsTheSuffixWhereItIsMissing)
{
	std::ofstream(scratch / "wide.arr") << "another preset";
	const std::pair<const char*, const char*> names[] = { { "plain", "plain.arr" }, { "shout.ARR", "shout.ARR" }, { "notes.txt", "notes.txt.arr" },
		{ "Arrow v1.5", "Arrow v1.5.arr" }, { "wide.v2", "wide.v2.arr" }, { "y.arr.bak", "y.arr.bak.arr" } };
	for (const auto& [chosen, saved] : names)
	{
		Save(scratch / chosen);
		EXPECT_TRUE(std::filesystem::exists(scratch / saved)) << chosen;
		EXPECT_EQ(std::string(chosen) == saved, std::filesystem::exists(scratch / chosen)) << chosen;
	}
	EXPECT_EQ(ReadBytes(scratch / "wide.arr"), "another preset");
}

TEST_F(PresetLibraryTest, ALoadLeavesBevelRoundingPathAndToolSettingsAlone)
{
	const std::map<std::int32_t, Value> kept = { { 10240, true }, { 10250, 3.5 }, { 10260, false }, { 10290, true }, { 10330, std::int32_t { 9 } },
		{ 10340, true }, { 10370, 0.25 }, { 10390, true }, { 10410, false }, { 10420, false }, { 10440, true }, { 10450, 25.0 },
		{ 10460, std::int32_t { 7 } }, { 10470, headless::Link { arrow->Id() } }, { 10480, 0.25 }, { 10490, 0.5 }, { 10500, -0.1 } };
	for (const auto& [id, value] : kept)
		arrow->data.Set(id, value);
	PresetBytes::Standard().WriteTo(scratch / "plain.arr");
	ASSERT_TRUE(Load(scratch / "plain.arr"));
	for (const auto& [id, value] : kept)
		EXPECT_EQ(arrow->data.Get(id), value) << id;
}

TEST_F(PresetLibraryTest, ALoadIsOneUndoStepAndAFailedOneNone)
{
	PresetBytes::Standard("# Version 1.3", "one step").WriteTo(scratch / "step.arr");
	const headless::Container before = arrow->data;
	const std::size_t steps = host.undo.Steps(*document);
	ASSERT_TRUE(Load(scratch / "step.arr"));
	EXPECT_EQ(host.undo.Steps(*document), steps + 1);
	ASSERT_TRUE(host.undo.TakeBack(*document));
	EXPECT_EQ(arrow->data, before);

	std::ofstream(scratch / "short.arr", std::ios::binary) << PresetBytes::Standard().bytes.substr(0, 90);
	EXPECT_FALSE(Load(scratch / "short.arr"));
	EXPECT_EQ(host.undo.Steps(*document), steps);
}

TEST_F(PresetLibraryTest, AnArrowInNoDocumentLoadsNothingAndShowsNoDialog)
{
	headless::Object* loose = host.NewPluginObject(ARROW_ID);
	PresetBytes::Standard().WriteTo(scratch / "plain.arr");
	EXPECT_FALSE(Load(loose, scratch / "plain.arr"));
	EXPECT_TRUE(host.fileDialogs.shown.empty());
	host.scene.DestroyObject(loose);
}

TEST_F(PresetLibraryTest, WithoutAPresetsFolderTheDialogsStartBesideTheModule)
{
	std::filesystem::remove(folder->Root() / "presets");
	headless::Object* other = NewArrow();
	Press(other, PRESET_LOAD);
	EXPECT_EQ(LastDialogStart(), (folder->Root() / "*.arr").string());
	Press(other, PRESET_SAVE);
	EXPECT_EQ(LastDialogStart(), (folder->Root() / "*.arr").string());
}

// A save that cannot finish leaves the file that was there as it was, and nothing else.
class FailedSaveTest : public PresetTest
{
protected:
	void SetUp() override
	{
		PresetTest::SetUp();
		std::ofstream(Target(), std::ios::binary) << "the old preset";
	}

	std::filesystem::path Target() { return scratch / "keep.arr"; }

	void ExpectOldFileKept(const std::string& why)
	{
		EXPECT_EQ(ReadBytes(Target()), "the old preset") << why;
		for (const auto& entry : std::filesystem::directory_iterator(scratch))
			EXPECT_NE(entry.path().extension(), ".part") << why;
		EXPECT_TRUE(host.placedFiles.paths.empty()) << why;
	}
};

TEST_F(FailedSaveTest, AWriteFailingAtAnyRecordKeepsTheOldFile)
{
	// Each kind of write, as often as a preset file has it.
	const std::pair<const char*, int> writes[] = { { "files.write_int32", 8 }, { "files.write_bytes", 10 }, { "files.write_float32", 16 },
		{ "files.write_bool", 6 } };
	for (const auto& [entry, count] : writes)
	{
		for (int k = 1; k <= count; ++k)
		{
			host.faults.Clear();
			host.faults.Fail(entry, k);
			Save(Target());
			ExpectOldFileKept(std::string(entry) + " #" + std::to_string(k));
		}
	}
}

TEST_F(FailedSaveTest, AFailedCloseOrCopyKeepsTheOldFile)
{
	for (const char* entry : { "files.close", "paths.copy_file" })
	{
		host.faults.Clear();
		host.faults.Fail(entry, 1);
		Save(Target());
		ExpectOldFileKept(entry);
	}
}

TEST_F(FailedSaveTest, ValuesThatDoNotFitAFileKeepTheOldFile)
{
	const std::pair<std::int32_t, Value> unfit[] = { { 10000, std::nan("") }, { 10010, 1e39 }, { 1004, -INFINITY },
		{ 10190, std::string("\xFF\xFE") },
		{ 10190, std::string((64 << 10) + 1, 'n') } };
	for (const auto& [id, value] : unfit)
	{
		const Value before = arrow->data.Get(id);
		arrow->data.Set(id, value);
		Save(Target());
		ExpectOldFileKept("parameter " + std::to_string(id));
		arrow->data.Set(id, before);
	}
	Save(Target());
	EXPECT_NE(ReadBytes(Target()), "the old preset");
}

TEST_F(FailedSaveTest, AFileThatCannotBeOpenedWritesNothing)
{
	host.fileDialogs.answers.push_back((scratch / "no-such-folder" / "x.arr").string());
	Press(arrow, PRESET_SAVE);
	ExpectOldFileKept("open");
	EXPECT_FALSE(std::filesystem::exists(scratch / "no-such-folder"));
}

} // namespace
} // namespace tests
