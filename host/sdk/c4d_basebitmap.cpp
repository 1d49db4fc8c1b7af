#include "c4d_basebitmap.h"

#include "c4d_os_access.h"

using c4d_sdk::OS;

namespace
{

C4DOS_Bitmap* Handle(BaseBitmap* bitmap)
{
	return reinterpret_cast<C4DOS_Bitmap*>(bitmap);
}

} // namespace

BaseBitmap* BaseBitmap::Alloc()
{
	return reinterpret_cast<BaseBitmap*>(OS().bitmaps->alloc());
}

void BaseBitmap::Free(BaseBitmap*& bm)
{
	OS().bitmaps->free(Handle(bm));
	bm = nullptr;
}

IMAGERESULT BaseBitmap::Init(const Filename& name, Int32 frame, Bool* ismovie)
{
	if (ismovie)
		*ismovie = false;
	if (!c4d_sdk::Access::Path(name))
		return IMAGERESULT::OUTOFMEMORY;
	return static_cast<IMAGERESULT>(OS().bitmaps->init(Handle(this), c4d_sdk::Access::Path(name), frame));
}

Bool BaseBitmap::SetData(Int32 id, const GeData& data)
{
	const C4DOS_Value value = c4d_sdk::Access::ToHost(data);
	OS().bitmaps->set_data(Handle(this), id, &value);
	return true;
}
