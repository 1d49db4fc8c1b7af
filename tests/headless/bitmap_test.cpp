// The host's image loading: a TIFF is decoded whole or refused with the
// reason, the same with libtiff and with the Windows Imaging Component.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "headless/bitmap.h"
#include "tests/support/plugin_folder.h"
#include "tests/support/scratch_folder.h"

namespace headless
{
namespace
{

namespace fs = std::filesystem;

std::string IconBytes()
{
	std::ifstream in(tests::SourceResources() / "pointsmith.tif", std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class BitmapTest : public ::testing::Test
{
protected:
	ImageResult Load(const std::string& bytes)
	{
		const fs::path file = scratch.Path() / "image.tif";
		std::ofstream(file, std::ios::binary) << bytes;
		return LoadTiff(file, bitmap);
	}

	tests::ScratchFolder scratch;
	Bitmap bitmap;
};

TEST_F(BitmapTest, LoadsTheModulesIcon)
{
	EXPECT_EQ(Load(IconBytes()), ImageResult::Ok);
	EXPECT_EQ(bitmap.width, 64);
	EXPECT_EQ(bitmap.height, 64);
}

TEST_F(BitmapTest, TellsAMissingFileFromAFileThatIsNoTiff)
{
	EXPECT_EQ(LoadTiff(scratch.Path() / "missing.tif", bitmap), ImageResult::NotExisting);
	EXPECT_EQ(LoadTiff(scratch.Path(), bitmap), ImageResult::NotExisting);
	EXPECT_EQ(Load("not an image"), ImageResult::WrongType);
	EXPECT_EQ(Load(""), ImageResult::WrongType);
}

TEST_F(BitmapTest, RefusesATiffWhoseDirectoryCannotBeRead)
{
	EXPECT_EQ(Load(IconBytes().substr(0, 12)), ImageResult::FileError);
	EXPECT_EQ(Load(std::string("II*\0\xff\xff\xff\x7f", 8) + "junk"), ImageResult::FileError);
}

TEST_F(BitmapTest, RefusesATiffWhosePixelsAreCutShort)
{
	const std::string icon = IconBytes();
	EXPECT_EQ(Load(icon.substr(0, icon.size() / 2)), ImageResult::FileStructure);
	EXPECT_EQ(bitmap.width, 0);
}

} // namespace
} // namespace headless
