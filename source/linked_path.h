#ifndef LINKED_PATH_H__
#define LINKED_PATH_H__

#include "c4d.h"

// The spline an arrow follows: the object its path parameter links to.

// The object `data` (the arrow's container) links to as its path in `doc`,
// or null: no link, a link to an object outside the document, or a link to
// the arrow itself, which cannot follow its own outline.
BaseObject* LinkedPath(const BaseObject* op, const BaseContainer& data, const BaseDocument* doc);

// Takes the path's points into the arrow's own space: the path's global
// matrix, then the inverse of the arrow's.
Matrix PathPlacement(const BaseObject* op, const BaseObject* path);

#endif
