#ifndef SCENE_BUILDING_H__
#define SCENE_BUILDING_H__

#include "c4d.h"

// The pieces the arrow's buttons build with: new host objects around the
// arrow, and the objects found around it again later. The arrow keeps no
// references: an extrude object or cloner is found as its parent or
// grandparent, a wrap deformer among its children and siblings, each time by
// type. Those given the arrow's document record their undo steps in it.

// A new extrude object at the top of `doc`, with fillet caps when
// ARROW_EXTRUDE_FILLET is on in `settings`, and `arrow` moved in as its first
// child; null when the host has no object to give.
BaseObject* CreateExtrude(BaseDocument* doc, const BaseContainer& settings, BaseObject* arrow);

// A new cloner at the top of `doc`, set up from the cloner settings in
// `settings`: along `spline` with ARROW_CLONE_ON_SPLINE on, by count
// otherwise; null when the host has no object to give.
BaseObject* CreateCloner(BaseDocument* doc, const BaseContainer& settings, BaseObject* spline);

// Sets the arrow's plane and tells it to update. The host's records must
// cover the arrow already.
void SetArrowPlane(BaseObject* arrow, Int32 plane);

// Turns the arrow into plane ZY for cloning along a spline, and turns the
// extrusion of `extrudeObject` from (x, y, z) to (z, y, 0) so that it keeps
// following the outline. Records nothing: the command's records cover both.
void TurnArrowForSpline(BaseObject* arrow, BaseObject* extrudeObject);

// The first wrap deformer among the arrow's children, then its preceding
// siblings nearest first, then its following siblings nearest first.
BaseObject* FindWrapDeformer(BaseObject* arrow);

// Moves the arrow's wrap deformer, if there is one, to the last place under `parent`.
void MoveWrapDeformer(BaseObject* arrow, BaseObject* parent, BaseDocument* doc);

// The object that the arrow's link `id` (a spline to clone along or wrap
// around) holds in `doc`; null when it holds none, or holds the arrow itself,
// which no command builds around.
BaseObject* LinkedSpline(BaseObject* arrow, Int32 id, BaseDocument* doc);

// Whether the arrow's link `id` holds the arrow itself.
Bool LinksToItself(BaseObject* arrow, Int32 id, BaseDocument* doc);

// The cloner that holds the arrow: its parent, else its grandparent; null when neither is one.
BaseObject* FindClonerAbove(BaseObject* arrow);

// Whether `op` is a cloner whose clones follow an object of `doc`.
Bool IsClonerOnObject(BaseObject* op, BaseDocument* doc);

// Writes an extrude object's cap entries, legacy and new: fillet caps, or
// plain start and end caps.
void WriteExtrudeCaps(BaseContainer& values, Bool fillet);

#endif
