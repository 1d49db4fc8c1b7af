// What the module does when the host has no memory for what it asks, where
// nothing else says: each case the fault injection brought up, with the
// sound outcome it now has.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "tests/presets/preset_test_support.h"
#include "tests/support/module_test.h"
#include "tests/support/scratch_folder.h"

namespace tests
{
namespace
{

namespace fs = std::filesystem;

constexpr const char* NO_RESOURCE = "Pointsmith: failed to load resource file.";

// How often `entry` is called while `operation` runs without faults.
template <typename OPERATION> int CallsOf(headless::Host& host, const std::string& entry, OPERATION&& operation)
{
	host.faults.Clear();
	operation();
	const int calls = host.faults.Calls(entry);
	host.faults.Clear();
	return calls;
}

// A resource folder path the host has no memory for is a failed load of the
// resource: the console says so, and the module does not start.
TEST(ResourceFolderWithoutMemory, IsAFailedLoad)
{
	const PluginFolder folder;
	int paths = 0;
	{
		headless::Host host;
		std::string reason;
		ASSERT_TRUE(host.Load(folder.Module(), reason)) << reason;
		std::string module = folder.Module().string();
		paths = CallsOf(host, "paths.alloc", [&] {
			host.CallMain(1, const_cast<C4D_OS*>(host.Table()), nullptr, module.data());
			host.CallMain(6, reinterpret_cast<void*>(std::intptr_t { 1 }));
		});
	}
	ASSERT_GT(paths, 0);
	for (int k = 1; k <= paths; ++k)
	{
		headless::Host host;
		host.faults.Fail("paths.alloc", k);
		std::string reason;
		EXPECT_FALSE(host.Start(folder.Module(), reason)) << "path " << k;
		EXPECT_EQ(host.Started().resource, -1) << "path " << k;
		EXPECT_EQ(host.console.lines.front(), NO_RESOURCE) << "path " << k;
		host.Shutdown();
		EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
	}
}

// A small uncompressed RGB image of `size` by `size` pixels, as a TIFF file.
std::string SmallTiff(std::uint16_t size)
{
	std::string bytes = "II*";
	const auto put = [&bytes](std::uint32_t value, int width) {
		for (int i = 0; i < width; ++i)
			bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
	};
	put(0, 1);
	put(8, 4);
	const std::uint32_t bitsAt = 8 + 2 + 10 * 12 + 4;
	const std::uint32_t pixelsAt = bitsAt + 6;
	const std::uint32_t pixelBytes = 3u * size * size;
	const std::uint32_t entries[10][3] = { { 256, 3, size }, { 257, 3, size }, { 258, 3, bitsAt }, { 259, 3, 1 }, { 262, 3, 2 },
		{ 273, 4, pixelsAt }, { 277, 3, 3 }, { 278, 3, size }, { 279, 4, pixelBytes }, { 284, 3, 1 } };
	put(10, 2);
	for (const auto& entry : entries)
	{
		put(entry[0], 2);
		put(entry[1], 2);
		put(entry[0] == 258 ? 3 : 1, 4);
		put(entry[2], 4);
	}
	put(0, 4);
	for (int i = 0; i < 3; ++i)
		put(8, 2);
	bytes.append(pixelBytes, '\x7F');
	return bytes;
}

// The icon's path is checked part by part: a part the host had no memory
// for once made the path "pointsmith.tif", and the host then loaded whatever
// image of that name the working directory held.
class IconPathWithoutMemory : public ::testing::Test
{
protected:
	void SetUp() override
	{
		std::ofstream(workingDirectory.Path() / "pointsmith.tif", std::ios::binary) << SmallTiff(16);
		previous = fs::current_path();
		fs::current_path(workingDirectory.Path());
	}
	void TearDown() override { fs::current_path(previous); }

	const PluginFolder folder;
	const ScratchFolder workingDirectory;
	fs::path previous;
};

TEST_F(IconPathWithoutMemory, NeverTakesAnImageFromTheWorkingDirectory)
{
	int paths = 0;
	{
		headless::Host host;
		std::string reason;
		paths = CallsOf(host, "paths.alloc", [&] { host.Start(folder.Module(), reason); });
	}
	ASSERT_GT(paths, 0);
	for (int k = 1; k <= paths; ++k)
	{
		headless::Host host;
		host.faults.Fail("paths.alloc", k);
		std::string reason;
		if (!host.Start(folder.Module(), reason))
			continue;
		const auto icon = host.plugins.FindObject(ARROW_ID)->iconSize;
		EXPECT_TRUE(!icon || *icon == std::make_pair(64, 64)) << "path " << k << ": an icon of " << icon->first << " pixels";
	}
}

// An arrow whose one member, the folder its preset dialogs start in, gets no
// host path once made the load dialog start in the working directory. Now
// such an arrow is not made, and every block it took goes back.
class ArrowWithoutMemoryForItsPresetFolder : public ModuleTest
{
protected:
	void SetUp() override { StartModule(PluginLayout { true, true, true }); }
};

TEST_F(ArrowWithoutMemoryForItsPresetFolder, TheAllocatorGivesItsMemoryBackAndAnswersNull)
{
	const C4DOS_ObjectPlugin& handlers = host.plugins.FindObject(ARROW_ID)->handlers;
	const std::size_t blocks = host.memory.LiveBlocks();
	host.faults.Fail("paths.alloc", 1);
	EXPECT_EQ(handlers.alloc(handlers.context), nullptr);
	EXPECT_EQ(host.memory.LiveBlocks(), blocks);
}

TEST_F(ArrowWithoutMemoryForItsPresetFolder, IsNotMade)
{
	const std::size_t blocks = host.memory.LiveBlocks();
	const std::size_t paths = host.paths.Count();
	const int needed = CallsOf(host, "paths.alloc", [&] { host.scene.DestroyObject(host.NewPluginObject(ARROW_ID)); });
	ASSERT_GT(needed, 0);
	for (int k = 1; k <= needed; ++k)
	{
		host.faults.Fail("paths.alloc", k);
		EXPECT_EQ(host.NewObjectFromMenu(document, ARROW_ID), nullptr) << "path " << k;
		EXPECT_EQ(host.memory.LiveBlocks(), blocks) << "path " << k;
		EXPECT_EQ(host.paths.Count(), paths) << "path " << k;
	}
	host.faults.Clear();
	headless::Object* arrow = NewArrow();
	host.fileDialogs.answers.push_back(std::nullopt);
	host.PressButton(arrow, PRESET_LOAD);
	EXPECT_EQ(fs::path(host.fileDialogs.shown.back().start), folder->Root() / "presets" / "*.arr");
}

// A save or load whose paths the host has no memory for once went on with
// a path that was no longer the one the user chose or the folder it belongs
// in. Now it stops: nothing written, nothing changed.
class PresetPathsWithoutMemory : public PresetTest
{
protected:
	// How many paths a save or load takes without faults.
	int PathsTaken(const std::function<void()>& operation) { return CallsOf(host, "paths.alloc", operation); }
};

TEST_F(PresetPathsWithoutMemory, SaveWritesNothing)
{
	const fs::path target = scratch / "saved.arr";
	const int paths = PathsTaken([&] { Save(target); });
	ASSERT_GT(paths, 0);
	for (int k = 1; k <= paths; ++k)
	{
		fs::remove(target);
		host.faults.Fail("paths.alloc", k);
		Save(target);
		EXPECT_FALSE(fs::exists(target)) << "path " << k;
		EXPECT_FALSE(fs::exists(scratch / "saved.arr.part")) << "path " << k;
		host.fileDialogs.answers.clear();
	}
}

TEST_F(PresetPathsWithoutMemory, LoadChangesNothing)
{
	const fs::path preset = scratch / "wide.arr";
	PresetBytes::Standard().Text("# End of parameters").WriteTo(preset);
	arrow->data.Set(10030, 80.0);
	const headless::Container before = arrow->data;
	const std::size_t steps = host.undo.Steps(*document);
	const int paths = PathsTaken([&] { Load(preset); });
	arrow->data = before;
	ASSERT_GT(paths, 0);
	for (int k = 1; k <= paths; ++k)
	{
		host.faults.Fail("paths.alloc", k);
		EXPECT_FALSE(Load(preset)) << "path " << k;
		EXPECT_EQ(arrow->data, before) << "path " << k;
		host.fileDialogs.answers.clear();
	}
	EXPECT_EQ(host.undo.Steps(*document), steps + 1) << "only the load without faults is a step";
}

// A load that had no memory for its copy of the arrow's values once read
// the preset into nothing and still reported the arrow as loaded.
class PresetLoadWithoutMemoryForTheValues : public PresetTest
{
};

TEST_F(PresetLoadWithoutMemoryForTheValues, LoadsNothingAndSaysSo)
{
	const fs::path preset = scratch / "wide.arr";
	PresetBytes::Standard().Text("# End of parameters").WriteTo(preset);
	const headless::Container before = arrow->data;
	const std::size_t steps = host.undo.Steps(*document);
	host.faults.Fail("containers.alloc", 1);
	EXPECT_FALSE(Load(preset));
	EXPECT_EQ(arrow->data, before);
	EXPECT_EQ(host.undo.Steps(*document), steps);
	EXPECT_EQ(host.containers.Count(), 0u);
}

} // namespace
} // namespace tests
