// Images: the host's bitmaps, loaded from TIFF files.
#ifndef HEADLESS_BITMAP_H
#define HEADLESS_BITMAP_H

#include <cstdint>
#include <filesystem>
#include <map>

#include "headless/container.h"

namespace headless
{

// IMAGERESULT values.
enum class ImageResult : std::int32_t
{
	Ok = 1,
	NotExisting = -1,
	WrongType = -2,
	OutOfMemory = -3,
	FileError = -4,
	FileStructure = -5
};

struct Bitmap
{
	int width = 0;
	int height = 0;
	std::map<std::int32_t, Value> data;
};

// Loads a TIFF file into `bitmap`, every pixel decoded, so that a truncated or
// corrupt file is refused here rather than drawn half. An image whose header
// states a side longer than MAX_IMAGE_SIDE is refused (FileStructure) before
// either decoder sees it.
ImageResult LoadTiff(const std::filesystem::path& file, Bitmap& bitmap);

} // namespace headless

#endif
