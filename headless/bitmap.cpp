#include "headless/bitmap.h"

#include <cstdarg>
#include <fstream>
#include <memory>
#include <vector>

#include <tiffio.h>

namespace headless
{

namespace
{

// libtiff reports through handlers that would print to stderr; the host
// answers with a result code instead.
void QuietTiffHandler(const char*, const char*, va_list)
{
}

bool LooksLikeTiff(const std::filesystem::path& file)
{
	std::ifstream in(file, std::ios::binary);
	char magic[4] = {};
	in.read(magic, 4);
	return in && ((magic[0] == 'I' && magic[1] == 'I' && magic[2] == 42 && magic[3] == 0) || (magic[0] == 'M' && magic[1] == 'M' && magic[2] == 0 && magic[3] == 42));
}

} // namespace

ImageResult LoadTiff(const std::filesystem::path& file, Bitmap& bitmap)
{
	std::error_code error;
	if (!std::filesystem::is_regular_file(file, error))
		return ImageResult::NotExisting;
	if (!LooksLikeTiff(file))
		return ImageResult::WrongType;

	TIFFSetErrorHandler(&QuietTiffHandler);
	TIFFSetWarningHandler(&QuietTiffHandler);
	std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(TIFFOpen(file.string().c_str(), "r"), &TIFFClose);
	if (!tiff)
		return ImageResult::FileError;

	std::uint32_t width = 0;
	std::uint32_t height = 0;
	if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) || width == 0 || height == 0 ||
		width > 16384 || height > 16384)
		return ImageResult::FileStructure;

	std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
	if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, pixels.data(), ORIENTATION_TOPLEFT, 0))
		return ImageResult::FileStructure;

	bitmap.width = static_cast<int>(width);
	bitmap.height = static_cast<int>(height);
	return ImageResult::Ok;
}

} // namespace headless
