#include "preset_folder.h"

Bool GetPresetFolder(Filename& folder)
{
	// Without a plug-in folder there is no preset folder either: "presets"
	// alone would name a folder relative to whatever the working directory is.
	const Filename pluginFolder = GeGetPluginPath();
	if (!pluginFolder.IsPopulated())
		return false;
	const Filename presets = pluginFolder + Filename("presets");
	if (!presets.IsPopulated())
		return false;

	folder = GeFExist(presets, true) ? presets : pluginFolder;
	return folder.IsPopulated();
}
