#include "headless/bitmap.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>

#include "headless/tiff_decoder.h"

namespace headless
{

namespace
{

constexpr std::uint16_t TAG_IMAGE_WIDTH = 256;
constexpr std::uint16_t TAG_IMAGE_LENGTH = 257;
constexpr std::uint16_t TYPE_SHORT = 3;
constexpr std::uint16_t TYPE_LONG = 4;

// Reads the classic TIFF header and the size its first directory states,
// without decoding anything: a file claiming a huge image is refused before
// a decoder allocates for it.
class TiffHeader
{
public:
	explicit TiffHeader(const std::filesystem::path& file) : _in(file, std::ios::binary)
	{
		std::array<unsigned char, 4> magic {};
		_in.read(reinterpret_cast<char*>(magic.data()), 4);
		_bigEndian = magic[0] == 'M';
		_tiff = _in && ((magic == std::array<unsigned char, 4> { 'I', 'I', 42, 0 }) || (magic == std::array<unsigned char, 4> { 'M', 'M', 0, 42 }));
	}

	bool IsTiff() const { return _tiff; }

	// The width and height of the first image; none when the directory cannot be read or lacks them.
	std::optional<std::pair<std::uint32_t, std::uint32_t>> Size()
	{
		std::optional<std::uint32_t> width;
		std::optional<std::uint32_t> height;
		const std::optional<std::uint32_t> directory = Read(4);
		const std::optional<std::uint32_t> entries = directory ? Read(2, *directory) : std::nullopt;
		for (std::uint32_t i = 0; entries && i < *entries; ++i)
		{
			const std::uint32_t entry = *directory + 2 + 12 * i;
			const std::optional<std::uint32_t> tag = Read(2, entry);
			const std::optional<std::uint32_t> type = Read(2);
			if (!tag || !type)
				return std::nullopt;
			if ((*tag != TAG_IMAGE_WIDTH && *tag != TAG_IMAGE_LENGTH) || (*type != TYPE_SHORT && *type != TYPE_LONG))
				continue;
			const std::optional<std::uint32_t> value = Read(*type == TYPE_SHORT ? 2 : 4, entry + 8);
			(*tag == TAG_IMAGE_WIDTH ? width : height) = value;
		}
		if (!width || !height)
			return std::nullopt;
		return std::make_pair(*width, *height);
	}

private:
	// An unsigned number of `bytes` bytes in the file's byte order, at `offset` or where the last read ended.
	std::optional<std::uint32_t> Read(int bytes, std::optional<std::uint32_t> offset = std::nullopt)
	{
		if (offset)
			_in.seekg(*offset);
		std::array<unsigned char, 4> raw {};
		_in.read(reinterpret_cast<char*>(raw.data()), bytes);
		if (!_in)
			return std::nullopt;
		std::uint32_t value = 0;
		for (int i = 0; i < bytes; ++i)
			value |= std::uint32_t { raw[static_cast<std::size_t>(_bigEndian ? bytes - 1 - i : i)] } << (8 * i);
		return value;
	}

	std::ifstream _in;
	bool _bigEndian = false;
	bool _tiff = false;
};

} // namespace

ImageResult LoadTiff(const std::filesystem::path& file, Bitmap& bitmap)
{
	std::error_code error;
	if (!std::filesystem::is_regular_file(file, error))
		return ImageResult::NotExisting;
	TiffHeader header(file);
	if (!header.IsTiff())
		return ImageResult::WrongType;
	if (const auto size = header.Size(); size && (size->first > MAX_IMAGE_SIDE || size->second > MAX_IMAGE_SIDE))
		return ImageResult::FileStructure;

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
