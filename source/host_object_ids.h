#ifndef HOST_OBJECT_IDS_H__
#define HOST_OBJECT_IDS_H__

#include "c4d.h"
// The extrude object's caps and bevels since R21 (CAPSANDBEVELS_*): c4d.h
// does not include their header.
#include "onurbscaps.h"

// The host objects the arrow builds around itself, with the parameters it
// reads and writes in them. The module writes no other entry; everything else
// keeps the host's defaults for a new object.

// Extrude object (type Oextrude). Its caps come twice: the legacy set
// (2000 to 2009), which scenes of older hosts carry and read, and since R21
// the CAPSANDBEVELS_* set, which a new extrude object reads instead.
namespace extrude
{
const Int32 MOVE = 1002;            // the extrusion vector
const Int32 CAP_START = 2000;
const Int32 CAP_END = 2001;
const Int32 CAP_START_STEPS = 2003;
const Int32 CAP_END_STEPS = 2004;
const Int32 CAP_FILLET_OPTION = 2009;

const Int32 CAP_PLAIN = 1;
const Int32 CAP_FILLET = 3;
const Int32 FILLET_STEPS = 5;
const Float FILLET_RADIUS = 5.0;    // the legacy fillet's default radius, as the new bevel's offset
} // namespace extrude

// Cloner object.
namespace cloner
{
const Int32 TYPE = 1018544;
const Int32 MODE = 2010;
const Int32 MODE_ON_OBJECT = 0;     // the clones follow the object in OBJECT_LINK
const Int32 MODE_BY_COUNT = 1;
const Int32 CLONE_FLAG = 1020;      // set to 1 on every cloner the arrow makes
const Int32 COUNT_ON_OBJECT = 1060; // the number of clones in MODE_ON_OBJECT
const Int32 OBJECT_VALUE = 1063;
const Int32 OBJECT_LINK = 1015;
const Int32 COUNT = 1270;           // the number of clones in the other modes
} // namespace cloner

// Spline wrap deformer.
namespace wrap
{
const Int32 TYPE = 1019221;
const Int32 SPLINE = 1001;
const Int32 OPTION = 1012;
} // namespace wrap

#endif
