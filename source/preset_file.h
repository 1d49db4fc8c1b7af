#ifndef PRESET_FILE_H__
#define PRESET_FILE_H__

#include "c4d.h"

// Preset files (.arr): a flat big-endian stream of the arrow's shape and
// spline settings in a fixed order, framed by a header, a version and
// start and end markers.

// Writes every record from `data`; false when a value cannot be stored as
// its record (a float beyond 32 bits, a text that is no UTF-8) or a write
// failed. The file is then incomplete and not to be kept.
Bool WritePreset(BaseFile* file, const BaseContainer& data);

// Reads the records into `data`, each stored as soon as it is read; false at
// the first record that cannot be read or is not a usable value, and
// `data` is then to be discarded.
Bool ReadPreset(BaseFile* file, BaseContainer& data);

#endif
