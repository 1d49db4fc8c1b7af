// Decoding the first image of a TIFF file, every pixel of it: libtiff where
// the system has it, the Windows Imaging Component on Windows.
#ifndef HEADLESS_TIFF_DECODER_H
#define HEADLESS_TIFF_DECODER_H

#include <filesystem>

#include "headless/bitmap.h"

namespace headless
{

// Neither side of an image may be longer. The host loads images as icons,
// and an attribute-manager icon is at most a few hundred pixels; a larger
// one is refused before anything is decoded (see LoadTiff).
constexpr unsigned MAX_IMAGE_SIDE = 1024;

// Ok with `width` and `height` set; FileError when the file cannot be opened
// as a TIFF; FileStructure when its size is out of range or its pixels cannot
// all be decoded.
ImageResult DecodeTiff(const std::filesystem::path& file, int& width, int& height);

} // namespace headless

#endif
