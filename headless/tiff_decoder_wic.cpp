#include "headless/tiff_decoder.h"

#include <vector>

#include <windows.h>
#include <wincodec.h>

namespace headless
{

namespace
{

// A COM interface the scope owns and releases.
template <typename INTERFACE> class ComRef
{
public:
	ComRef() = default;
	~ComRef()
	{
		if (_pointer)
			_pointer->Release();
	}
	ComRef(const ComRef&) = delete;
	ComRef& operator=(const ComRef&) = delete;

	INTERFACE** Out() { return &_pointer; }
	INTERFACE* Get() const { return _pointer; }
	INTERFACE* operator->() const { return _pointer; }

private:
	INTERFACE* _pointer = nullptr;
};

// COM for the calling thread while the scope lasts; a thread that has COM in
// another mode already keeps it.
class ComScope
{
public:
	ComScope() : _initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) { }
	~ComScope()
	{
		if (_initialised)
			CoUninitialize();
	}
	ComScope(const ComScope&) = delete;
	ComScope& operator=(const ComScope&) = delete;

private:
	bool _initialised;
};

bool OpenTiff(IWICImagingFactory* factory, const std::filesystem::path& file, ComRef<IWICBitmapDecoder>& decoder)
{
	GUID format {};
	return SUCCEEDED(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Out())) &&
		SUCCEEDED(decoder->GetContainerFormat(&format)) && IsEqualGUID(format, GUID_ContainerFormatTiff);
}

// Every pixel of the frame, converted to 8-bit RGBA.
bool DecodeAllPixels(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT columns, UINT rows)
{
	ComRef<IWICFormatConverter> converter;
	std::vector<BYTE> pixels(static_cast<std::size_t>(columns) * rows * 4);
	return SUCCEEDED(factory->CreateFormatConverter(converter.Out())) &&
		SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppRGBA, WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom)) &&
		SUCCEEDED(converter->CopyPixels(nullptr, columns * 4, static_cast<UINT>(pixels.size()), pixels.data()));
}

} // namespace

ImageResult DecodeTiff(const std::filesystem::path& file, int& width, int& height)
{
	ComScope com;
	ComRef<IWICImagingFactory> factory;
	if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.Out()))))
		return ImageResult::FileError;
	ComRef<IWICBitmapDecoder> decoder;
	if (!OpenTiff(factory.Get(), file, decoder))
		return ImageResult::FileError;

	ComRef<IWICBitmapFrameDecode> frame;
	UINT columns = 0;
	UINT rows = 0;
	if (FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(frame->GetSize(&columns, &rows)) || columns == 0 || rows == 0 || columns > MAX_IMAGE_SIDE ||
		rows > MAX_IMAGE_SIDE || !DecodeAllPixels(factory.Get(), frame.Get(), columns, rows))
		return ImageResult::FileStructure;

	width = static_cast<int>(columns);
	height = static_cast<int>(rows);
	return ImageResult::Ok;
}

} // namespace headless
