#include "headless/tiff_decoder.h"

#include <cstdarg>
#include <cstdint>
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

} // namespace

ImageResult DecodeTiff(const std::filesystem::path& file, int& width, int& height)
{
	TIFFSetErrorHandler(&QuietTiffHandler);
	TIFFSetWarningHandler(&QuietTiffHandler);
	std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(TIFFOpen(file.string().c_str(), "r"), &TIFFClose);
	if (!tiff)
		return ImageResult::FileError;

	std::uint32_t columns = 0;
	std::uint32_t rows = 0;
	if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &columns) || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &rows) || columns == 0 || rows == 0 ||
		columns > MAX_IMAGE_SIDE || rows > MAX_IMAGE_SIDE)
		return ImageResult::FileStructure;

	std::vector<std::uint32_t> pixels(static_cast<std::size_t>(columns) * rows);
	if (!TIFFReadRGBAImageOriented(tiff.get(), columns, rows, pixels.data(), ORIENTATION_TOPLEFT, 0))
		return ImageResult::FileStructure;

	width = static_cast<int>(columns);
	height = static_cast<int>(rows);
	return ImageResult::Ok;
}

} // namespace headless
