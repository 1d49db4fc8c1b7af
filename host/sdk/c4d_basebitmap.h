// BaseBitmap: an image held by the host.
#ifndef C4D_BASEBITMAP_H__
#define C4D_BASEBITMAP_H__

#include "c4d_file.h"
#include "c4d_gedata.h"

enum class IMAGERESULT : Int32
{
	OK = 1,
	NOTEXISTING = -1,
	WRONGTYPE = -2,
	OUTOFMEMORY = -3,
	FILEERROR = -4,
	FILESTRUCTURE = -5
};

// Bitmap data entries.
enum
{
	BASEBITMAP_DATA_GUIPIXELRATIO = 100 // pixels per interface point; 1.0 for a plain icon
};

class BaseBitmap
{
public:
	static BaseBitmap* Alloc();
	static void Free(BaseBitmap*& bm);
	IMAGERESULT Init(const Filename& name, Int32 frame = -1, Bool* ismovie = nullptr);
	Bool SetData(Int32 id, const GeData& data);

	BaseBitmap() = delete;
	~BaseBitmap() = delete;
};

#endif
