// Saving into a folder others can write to, or over a preset that is not a
// plain file of the user's: a save never destroys, follows or exposes another
// file, and the preset it replaces keeps what makes it the user's.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "tests/presets/preset_test_support.h"

namespace tests
{
namespace
{

namespace fs = std::filesystem;

class HostileSaveTest : public PresetTest
{
protected:
	fs::path Target() { return scratch / "keep.arr"; }
	bool HoldsANewPreset(const fs::path& file) { return ReadBytes(file).rfind(PresetBytes::Standard().bytes.substr(0, 73), 0) == 0; }
};

// The file a save writes first has a name beside the preset that no other
// save picks, short and of one length whatever the preset is called: a
// 250-byte name, the longest a preset's may be with its suffix, saves and is
// replaced like any.
TEST_F(HostileSaveTest, EverySaveWritesFirstUnderAShortNameOfItsOwn)
{
	const auto entries = [&] { return std::distance(fs::directory_iterator(scratch), fs::directory_iterator()); };
	const auto before = entries();
	std::set<std::string> names;
	for (const fs::path& preset : { scratch / "a.arr", scratch / (std::string(250, 'n') + ".arr") })
	{
		for (int save = 0; save < 2; ++save)
		{
			host.fileHistory.Clear();
			Save(preset);
			EXPECT_TRUE(HoldsANewPreset(preset)) << preset.filename().string().size() << " bytes, save " << save;
			for (const headless::FileEvent& event : host.fileHistory.events)
			{
				if (event.entry == "files.open" && event.mode == "write")
					names.insert(fs::path(event.path).filename().string());
			}
		}
	}
	ASSERT_EQ(names.size(), 4u);
	for (const std::string& name : names)
		EXPECT_EQ(name.size(), names.begin()->size()) << name;
	EXPECT_LT(names.begin()->size(), 32u);
	EXPECT_EQ(entries(), before + 2) << "the two presets and nothing beside them";
}

TEST_F(HostileSaveTest, AFileNamedLikeTheTemporaryOneIsLeftAlone)
{
	std::ofstream(scratch / "keep.arr.part") << "the user's own file";
	Save(Target());
	EXPECT_TRUE(HoldsANewPreset(Target()));
	EXPECT_EQ(ReadBytes(scratch / "keep.arr.part"), "the user's own file");
	EXPECT_FALSE(fs::exists(scratch / "keep.arr.1.part"));
}

// A preset that other hard links share gets the new bytes written over its
// own, cut to their length: every link sees them.
TEST_F(HostileSaveTest, AHardLinkedPresetKeepsItsLinks)
{
	Save(scratch / "fresh.arr");
	const std::string fresh = ReadBytes(scratch / "fresh.arr");
	std::ofstream(Target()) << std::string(1000, 'o');
	fs::create_hard_link(Target(), scratch / "link.arr");
	Save(Target());
	EXPECT_EQ(ReadBytes(Target()), fresh);
	EXPECT_EQ(ReadBytes(scratch / "link.arr"), fresh);
}

#if !defined(_WIN32)
TEST_F(HostileSaveTest, ALinkNamedLikeTheTemporaryOneIsNotFollowed)
{
	std::ofstream(scratch / "victim") << "someone else's file";
	fs::create_symlink(scratch / "victim", scratch / "keep.arr.part");
	Save(Target());
	EXPECT_EQ(ReadBytes(scratch / "victim"), "someone else's file");
	EXPECT_TRUE(fs::is_symlink(scratch / "keep.arr.part"));
	EXPECT_FALSE(fs::is_symlink(Target()));
	EXPECT_TRUE(HoldsANewPreset(Target()));
}

TEST_F(HostileSaveTest, AReplacedPresetKeepsItsPermissions)
{
	std::ofstream(Target()) << "the old preset";
	fs::permissions(Target(), fs::perms::owner_read | fs::perms::owner_write);
	Save(Target());
	EXPECT_TRUE(HoldsANewPreset(Target()));
	EXPECT_EQ(fs::status(Target()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(HostileSaveTest, AReadOnlyPresetIsNotReplaced)
{
	std::ofstream(Target()) << "the old preset";
	fs::permissions(Target(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
	Save(Target());
	EXPECT_EQ(ReadBytes(Target()), "the old preset");
	EXPECT_TRUE(host.placedFiles.paths.empty());
	for (const auto& entry : fs::directory_iterator(scratch))
		EXPECT_NE(entry.path().extension(), ".part");
}

// A preset another user owns gets the new bytes written over its own: it
// stays the same file, with its owner and permissions. (Only a privileged
// user can give a file away.)
TEST_F(HostileSaveTest, APresetOfAnotherOwnerStaysTheirs)
{
	if (geteuid() != 0)
		GTEST_SKIP() << "only a privileged user can give a file away";
	Save(scratch / "fresh.arr");
	std::ofstream(Target()) << std::string(1000, 'o');
	fs::permissions(Target(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
	ASSERT_EQ(chown(Target().c_str(), 4242, 4242), 0);
	struct stat before {};
	ASSERT_EQ(stat(Target().c_str(), &before), 0);
	Save(Target());
	struct stat after {};
	ASSERT_EQ(stat(Target().c_str(), &after), 0);
	EXPECT_EQ(ReadBytes(Target()), ReadBytes(scratch / "fresh.arr"));
	EXPECT_EQ(after.st_ino, before.st_ino);
	EXPECT_EQ(after.st_uid, before.st_uid);
	EXPECT_EQ(after.st_mode, before.st_mode);
}

// A name that is a link to nothing is no free name: nothing is created
// where it leads, neither by the save's check nor by its copy.
TEST_F(HostileSaveTest, ALinkThatLeadsNowhereCreatesNothing)
{
	fs::create_symlink(scratch / "nowhere.arr", Target());
	Save(Target());
	EXPECT_FALSE(fs::exists(scratch / "nowhere.arr"));
	EXPECT_TRUE(fs::is_symlink(Target()));
	EXPECT_TRUE(host.placedFiles.paths.empty());
}

TEST_F(HostileSaveTest, ALinkedPresetKeepsItsLinkAndTheFileItLeadsToGetsTheBytes)
{
	fs::create_directories(scratch / "library");
	std::ofstream(scratch / "library" / "shared.arr") << "the old preset";
	fs::create_symlink(scratch / "library" / "shared.arr", Target());
	Save(Target());
	EXPECT_TRUE(fs::is_symlink(Target()));
	EXPECT_TRUE(HoldsANewPreset(scratch / "library" / "shared.arr"));
}
#endif

} // namespace
} // namespace tests
