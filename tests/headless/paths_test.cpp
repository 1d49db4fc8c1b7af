// The host's path rules, which modules see through Filename. A joined path
// takes the system's separator: the results compare as paths do.
#include <gtest/gtest.h>

#include <filesystem>

#include "headless/paths.h"
#include "tests/support/output_match.h"

namespace headless
{
namespace
{

TEST(Paths, JoiningAnEmptySideGivesTheOther)
{
	EXPECT_EQ(JoinPath("", "presets"), "presets");
	EXPECT_EQ(JoinPath("/plugins/pointsmith", ""), "/plugins/pointsmith");
	EXPECT_PRED_FORMAT2(tests::SameOutput, "/plugins/pointsmith/presets", JoinPath("/plugins/pointsmith", "presets"));
}

TEST(Paths, SplitsIntoDirectoryAndFile)
{
	EXPECT_EQ(DirectoryPart("/plugins/pointsmith/pointsmith.xso64"), "/plugins/pointsmith");
	EXPECT_EQ(FilePart("/plugins/pointsmith/pointsmith.xso64"), "pointsmith.xso64");
	EXPECT_PRED_FORMAT2(tests::SameOutput, "/c/wide.arr", WithDirectory("/a/b/wide.arr", "/c"));
	EXPECT_PRED_FORMAT2(tests::SameOutput, "/a/b/*.arr", WithFile("/a/b/", "*.arr"));
	EXPECT_PRED_FORMAT2(tests::SameOutput, "/a/b/new.arr", WithFile("/a/b/old.arr", "new.arr"));
}

TEST(Paths, SuffixChecksIgnoreLetterCase)
{
	EXPECT_TRUE(HasSuffix("/p/wide.arr", "arr"));
	EXPECT_TRUE(HasSuffix("/p/WIDE.ARR", "arr"));
	EXPECT_FALSE(HasSuffix("/p/wide.arrow", "arr"));
	EXPECT_FALSE(HasSuffix("/p/arr", "arr"));
	EXPECT_EQ(SuffixOf("/p/wide.Arr"), "Arr");
	EXPECT_EQ(SuffixOf("/p/wide"), "");
}

TEST(Paths, SettingASuffixReplacesTheOldOne)
{
	EXPECT_EQ(WithSuffix("/p/wide.txt", "arr"), "/p/wide.arr");
	EXPECT_EQ(WithSuffix("/p/wide", "arr"), "/p/wide.arr");
	EXPECT_EQ(WithSuffix("/p/my.wide.txt", "arr"), "/p/my.wide.arr");
	EXPECT_EQ(WithSuffix("", "arr"), "");
}

TEST(Paths, TextStaysUtf8)
{
	EXPECT_PRED_FORMAT2(tests::SameOutput, "/vorgaben/größe/pfeil.arr", JoinPath("/vorgaben/größe", "pfeil.arr"));
	EXPECT_EQ(FilePart("/vorgaben/größe/pfeil.arr"), "pfeil.arr");
}

TEST(Paths, ExistenceCanAskForAFolder)
{
	const std::filesystem::path folder = std::filesystem::temp_directory_path();
	EXPECT_TRUE(PathExists(ToUtf8(folder), true));
	EXPECT_FALSE(PathExists(ToUtf8(folder / "no-such-folder-here"), true));
	EXPECT_FALSE(PathExists("", true));
	EXPECT_FALSE(PathExists("", false));
}

} // namespace
} // namespace headless
