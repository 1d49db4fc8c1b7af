#ifndef PRESET_FOLDER_H__
#define PRESET_FOLDER_H__

#include "c4d.h"

// The folder that preset dialogs start in: the "presets" folder beside the
// module when there is one, otherwise the module's own folder.
Filename GetPresetFolder();

#endif
