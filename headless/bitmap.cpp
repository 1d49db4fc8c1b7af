#include "headless/bitmap.h"

#include <fstream>

#include "headless/tiff_decoder.h"

namespace headless
{

namespace
{

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

	int width = 0;
	int height = 0;
	const ImageResult result = DecodeTiff(file, width, height);
	if (result == ImageResult::Ok)
	{
		bitmap.width = width;
		bitmap.height = height;
	}
	return result;
}

} // namespace headless
