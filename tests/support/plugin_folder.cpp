#include "tests/support/plugin_folder.h"

namespace tests
{

namespace fs = std::filesystem;

fs::path BuiltModule()
{
	return POINTSMITH_MODULE_FILE;
}

fs::path SourceResources()
{
	return POINTSMITH_RES_DIR;
}

PluginFolder::PluginFolder(PluginLayout layout) : _root(_scratch.Path() / "pointsmith")
{
	fs::create_directories(_root);
	fs::copy_file(BuiltModule(), Module());
	if (layout.resources)
	{
		fs::copy(SourceResources(), Resources(), fs::copy_options::recursive);
		if (!layout.icon)
			fs::remove(Resources() / "pointsmith.tif");
	}
	if (layout.presets)
		fs::create_directories(_root / "presets");
}

fs::path PluginFolder::Module() const
{
	return _root / BuiltModule().filename();
}

} // namespace tests
