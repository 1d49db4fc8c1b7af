#include "preset_folder.h"

Filename GetPresetFolder()
{
	const Filename pluginFolder = GeGetPluginPath();
	// Without a plug-in folder there is no preset folder either: "presets"
	// alone would name a folder relative to whatever the working directory is.
	if (!pluginFolder.IsPopulated())
		return pluginFolder;

	const Filename presets = pluginFolder + Filename("presets");
	return GeFExist(presets, true) ? presets : pluginFolder;
}
