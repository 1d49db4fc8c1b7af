// Saving into a folder others can write to, or over a preset that is not a
// plain file of the user's: a save never destroys, follows or exposes another
// file, and the preset it replaces keeps what makes it the user's.
#include <filesystem>
#include <fstream>

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

TEST_F(HostileSaveTest, AFileNamedLikeTheTemporaryOneIsLeftAlone)
{
	std::ofstream(scratch / "keep.arr.part") << "the user's own file";
	Save(Target());
	EXPECT_TRUE(HoldsANewPreset(Target()));
	EXPECT_EQ(ReadBytes(scratch / "keep.arr.part"), "the user's own file");
	EXPECT_FALSE(fs::exists(scratch / "keep.arr.1.part"));
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
