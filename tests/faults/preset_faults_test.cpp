// Saving and loading presets under every injection point. A save either puts
// the complete preset in place or leaves the older file as it was, with no
// temporary file beside it; a load either applies the whole preset as one
// undo step or leaves the arrow as it was.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/faults/module_faults.h"
#include "tests/presets/preset_bytes.h"

namespace tests
{
namespace
{

namespace fs = std::filesystem;

constexpr std::int32_t MSG_UPDATE = 5;

bool HoldsTemporaryFiles(const fs::path& folder)
{
	for (const auto& entry : fs::directory_iterator(folder))
	{
		if (entry.path().extension() == ".part")
			return true;
	}
	return false;
}

class PresetFaults : public ModuleFaultTest
{
protected:
	fs::path Scratch() const { return folder->Root().parent_path(); }

	// The dialog answered with `file` in the scratch folder, or cancelled
	// when there is none, then the button.
	std::string Press(const std::string& file, const std::string& button) const
	{
		const std::string answer = file.empty() ? "cancel" : "\"" + (Scratch() / file).string() + "\"";
		return "answer " + answer + "\npress a " + button;
	}
};

struct Save
{
	std::string name;
	std::string answer;      // a file in the scratch folder; empty: cancel
	std::string target;      // the file the save puts in place
	std::string olderPreset; // what the target holds before, if anything
};

TEST_F(PresetFaults, Save)
{
	const Save saves[] = {
		{ "a new preset", "new.arr", "new.arr", "" },
		{ "over an older preset", "keep.arr", "keep.arr", "the older preset" },
		{ "under a name without suffix", "plain", "plain.arr", "" },
		{ "cancelled", "", "cancelled.arr", "" },
	};
	for (const Save& save : saves)
	{
		SCOPED_TRACE(save.name);
		const fs::path target = Scratch() / save.target;
		std::string withoutFaults;
		UnderEveryInjection(
			"new arrow a\nset a ARROW_PRESET_NAME Faulty\nset a ARROW_HEAD_LENGTH 80\n",
			[&](FaultRun& run) {
				fs::remove(target);
				if (!save.olderPreset.empty())
					std::ofstream(target, std::ios::binary) << save.olderPreset;
				run.Script(Press(save.answer, "ARROW_PRESET_SAVE"));
			},
			[&](FaultRun& run) {
				// A preset copied over an older one is saved even if its
				// temporary file cannot be deleted afterwards; that file stays.
				const bool leftOver = run.failed && run.injection->entry == "paths.kill" && !save.olderPreset.empty();
				const bool placed = (!run.failed || leftOver) && !save.answer.empty();
				if (leftOver)
					std::erase_if(host.placedFiles.paths, [](const std::string& path) { return path.ends_with(".part"); });
				EXPECT_EQ(host.placedFiles.paths, placed ? std::vector<std::string> { fs::absolute(target).string() } : std::vector<std::string> {});
				if (!run.injection)
					withoutFaults = ReadBytes(target);
				if (placed)
					EXPECT_EQ(ReadBytes(target), withoutFaults);
				else if (save.olderPreset.empty())
					EXPECT_FALSE(fs::exists(target));
				else
					EXPECT_EQ(ReadBytes(target), save.olderPreset);
				EXPECT_EQ(HoldsTemporaryFiles(Scratch()), leftOver);
				if (leftOver)
					for (const auto& entry : fs::directory_iterator(Scratch()))
						if (entry.path().extension() == ".part")
							fs::remove(entry.path());
			});
	}
}

struct Load
{
	std::string name;
	std::string answer; // a file in the scratch folder; empty: cancel
	bool loads = false; // without faults
};

TEST_F(PresetFaults, Load)
{
	const std::string preset = ReadBytes(SourceResources().parent_path() / "presets" / "dart.arr");
	std::ofstream(Scratch() / "dart.arr", std::ios::binary) << preset;
	std::ofstream(Scratch() / "short.arr", std::ios::binary) << preset.substr(0, preset.size() / 2);
	const Load loads[] = {
		{ "a preset of the catalogue", "dart.arr", true },
		{ "a file that ends too early", "short.arr", false },
		{ "a file that is not there", "missing.arr", false },
		{ "cancelled", "", false },
	};
	for (const Load& load : loads)
	{
		SCOPED_TRACE(load.name);
		headless::Container before;
		headless::Container withoutFaults;
		UnderEveryInjection(
			"new arrow a\nset a ARROW_BEVEL true\nset a ARROW_CLONE_COUNT 9\n",
			[&](FaultRun& run) {
				headless::Object& arrow = run.Named("a");
				before = arrow.data;
				arrow.messages.clear();
				run.Script(Press(load.answer, "ARROW_PRESET_LOAD"));
			},
			[&](FaultRun& run) {
				const headless::Object& arrow = run.Named("a");
				const bool loaded = std::count(arrow.messages.begin(), arrow.messages.end(), MSG_UPDATE) > 0;
				// A file that was read completely is loaded even if closing it fails.
				const bool harmless = run.injection && run.injection->entry == "files.close";
				EXPECT_EQ(loaded, load.loads && (!run.failed || harmless));
				if (!run.injection)
					withoutFaults = arrow.data;
				EXPECT_EQ(arrow.data, loaded ? withoutFaults : before);
			});
	}
}

} // namespace
} // namespace tests
