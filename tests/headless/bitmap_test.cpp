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

// A little-endian TIFF of 8-bit grey pixels, one strip; `pixels` false
// leaves the strip out, as a file that only claims its size does.
std::string GreyTiff(std::uint32_t width, std::uint32_t height, bool pixels)
{
	const auto number = [](std::uint32_t value, int bytes) {
		std::string out;
		for (int i = 0; i < bytes; ++i)
			out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
		return out;
	};
	const std::uint32_t tags[][3] = { { 256, 4, width }, { 257, 4, height }, { 258, 3, 8 }, { 259, 3, 1 }, { 262, 3, 1 }, { 273, 4, 8 + 2 + 9 * 12 + 4 },
		{ 277, 3, 1 }, { 278, 4, height }, { 279, 4, width * height } };
	std::string file = std::string("II*\0", 4) + number(8, 4) + number(9, 2);
	for (const auto& tag : tags)
		file += number(tag[0], 2) + number(tag[1], 2) + number(1, 4) + number(tag[2], 4);
	file += number(0, 4);
	if (pixels)
		file += std::string(static_cast<std::size_t>(width) * height, '\x80');
	return file;
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

TEST_F(BitmapTest, RefusesAnImageLargerThanAnIconFromItsHeader)
{
	const struct
	{
		std::uint32_t width, height;
		bool pixels;
		ImageResult result;
	} cases[] = {
		{ 1024, 1, true, ImageResult::Ok },
		{ 1025, 1, true, ImageResult::FileStructure },
		{ 1, 1025, true, ImageResult::FileStructure },
		// No pixels at all: refused before a decoder allocates a gigabyte for them.
		{ 16384, 16384, false, ImageResult::FileStructure },
	};
	for (const auto& image : cases)
	{
		SCOPED_TRACE(std::to_string(image.width) + " x " + std::to_string(image.height));
		bitmap = Bitmap {};
		EXPECT_EQ(Load(GreyTiff(image.width, image.height, image.pixels)), image.result);
		EXPECT_EQ(bitmap.width, image.result == ImageResult::Ok ? static_cast<int>(image.width) : 0);
	}
}

TEST_F(BitmapTest, RefusesATiffWhosePixelsAreCutShort)
{
	const std::string icon = IconBytes();
	EXPECT_EQ(Load(icon.substr(0, icon.size() / 2)), ImageResult::FileStructure);
	EXPECT_EQ(bitmap.width, 0);
}

} // namespace
} // namespace headless
