#include "path_watch.h"

#include "linked_path.h"

Bool PathWatch::Changed(const BaseObject* op, const BaseObject* path)
{
	// Without a path, where the arrow lies does not shape its outline.
	const UInt32 dirty = path ? path->GetDirty(DIRTYFLAGS::DATA | DIRTYFLAGS::MATRIX | DIRTYFLAGS::CACHE) : 0;
	const Matrix placement = path ? PathPlacement(op, path) : Matrix();
	const Bool changed = path != _path || dirty != _dirty || placement != _placement;
	_path = path;
	_dirty = dirty;
	_placement = placement;
	return changed;
}
