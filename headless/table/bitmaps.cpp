// Bitmaps: images the module loads, such as its icon.
#include "headless/table/entry_support.h"
#include "headless/table/families.h"
#include "headless/table/values.h"

namespace headless
{

namespace
{

C4DOS_Bitmap* Alloc() noexcept
{
	return AllocHandle<C4DOS_Bitmap>("bitmaps.alloc", H().bitmaps);
}

void Free(C4DOS_Bitmap* bitmap) noexcept
{
	FreeHandle("bitmaps.free", H().bitmaps, bitmap, "bitmap");
}

int32_t Init(C4DOS_Bitmap* handle, const C4DOS_Path* file, int32_t) noexcept
{
	return Guard("bitmaps.init", static_cast<int32_t>(ImageResult::FileError), [&]() -> int32_t {
		Bitmap* bitmap = CheckBitmap(handle, "bitmaps.init");
		Path* path = CheckPath(file, "bitmaps.init");
		if (!bitmap || !path)
			return static_cast<int32_t>(ImageResult::FileError);
		if (H().faults.ShouldFail("bitmaps.init"))
			return static_cast<int32_t>(ImageResult::OutOfMemory);
		return static_cast<int32_t>(LoadTiff(FromUtf8(path->text), *bitmap));
	});
}

void SetData(C4DOS_Bitmap* handle, int32_t id, const C4DOS_Value* value) noexcept
{
	GuardVoid("bitmaps.set_data", [&] {
		Bitmap* bitmap = CheckBitmap(handle, "bitmaps.set_data");
		if (!bitmap)
			return;
		if (!value)
		{
			H().protocol.Fault("bitmaps.set_data", "no value");
			return;
		}
		if (std::optional<Value> data = FromAbiValue(*value, "bitmaps.set_data"))
			bitmap->data[id] = std::move(*data);
	});
}

const C4DOS_Bitmaps ENTRIES = { &Alloc, &Free, &Init, &SetData };

} // namespace

const C4DOS_Bitmaps* BitmapEntries()
{
	return &ENTRIES;
}

} // namespace headless
