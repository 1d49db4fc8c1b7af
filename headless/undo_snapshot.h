// Snapshots of objects for undo: taken from the scene and put back into the
// very same objects, so that handles and links stay valid across undo and redo.
#ifndef HEADLESS_UNDO_SNAPSHOT_H
#define HEADLESS_UNDO_SNAPSHOT_H

#include "headless/scene.h"
#include "headless/undo_history.h"

namespace headless
{

Place PlaceOf(Scene& scene, Object& object);

// The object with its whole subtree: contents, children and the object's place.
Snapshot TakeTree(Scene& scene, Object& object);
// The object alone: its content and place, not its children.
Snapshot TakeAlone(Scene& scene, Object& object);
// The object out of every tree: what undo of an insertion goes back to.
Snapshot Outside(Object& object);
// The same objects with the same parts as `model`, as they are now.
Snapshot TakeLike(Scene& scene, const Snapshot& model);

// Puts every object of the snapshot back as it was: content, children and
// place. Children an object has now and had not then leave the tree.
void Restore(Scene& scene, const Snapshot& snapshot);

} // namespace headless

#endif
