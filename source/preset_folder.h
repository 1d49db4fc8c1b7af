#ifndef PRESET_FOLDER_H__
#define PRESET_FOLDER_H__

#include "c4d.h"

// The folder that preset dialogs start in: the "presets" folder beside the
// module when there is one, otherwise the module's own folder. False, with
// `folder` as it was, when there is no plug-in folder or the host has no
// memory for the paths.
Bool GetPresetFolder(Filename& folder);

#endif
