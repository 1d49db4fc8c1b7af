#ifndef PATH_WATCH_H__
#define PATH_WATCH_H__

#include "c4d.h"

// What an arrow last saw of the path it follows. The host keeps the arrow's
// outline until the arrow itself changes; a change of the path has to be
// noticed here.
class PathWatch
{
public:
	// Whether the path differs from what the last call saw: another object
	// or none, its data, its matrix or its cached output changed, or it lies
	// elsewhere relative to the arrow `op`. Remembers what it sees.
	Bool Changed(const BaseObject* op, const BaseObject* path);

private:
	const BaseObject* _path = nullptr;
	UInt32 _dirty = 0;
	Matrix _placement;
};

#endif
